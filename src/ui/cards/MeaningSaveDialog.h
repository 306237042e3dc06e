#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class UiTextTable;

// Asks where an edited meaning text goes: with the current deck, as the
// language's default meaning, or both.
class MeaningSaveDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        bool withDeck = true;
        bool asDefault = false;
    };

    explicit MeaningSaveDialog(const UiTextTable &texts, QWidget *parent = nullptr);

    void load(const Choice &choice);
    void store(Choice &choice) const;

    QCheckBox *withDeckCheck;
    QCheckBox *asDefaultCheck;
    QPushButton *okButton;
};
