#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class UiTextTable;

// The spread chooser: lists the installed spreads and returns the one picked.
// With no spreads installed it shows a notice and a lone OK button instead.
class SpreadChooser : public QDialog
{
    Q_OBJECT

public:
    // `current` is preselected when it is among `names`. The caption says
    // what the spread is chosen for.
    SpreadChooser(const QStringList &names, const QString &current, const QString &caption,
                  const UiTextTable &texts, QWidget *parent = nullptr);

    // The spread picked when the dialog was accepted; empty when there was
    // nothing to pick.
    QString chosenName() const { return m_chosen; }

    QListWidget *spreadList;
    QPushButton *okButton;
    QPushButton *cancelButton;
    // Shown instead of the list when there is nothing to choose from.
    QLabel *noSpreadsLabel;

private:
    void acceptChoice();

    QString m_chosen;
};
