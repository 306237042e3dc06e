#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UiTextTable;

// The small dialog of the spread editor that edits one position's
// explanation and significator flag, or, in name mode, the name of a new
// spread. Checking the significator box puts the significator explanation in
// the field and locks it.
class PositionExplanationDialog : public QDialog
{
    Q_OBJECT

public:
    struct Content
    {
        QString text;
        bool significator = false;
    };

    explicit PositionExplanationDialog(const UiTextTable &texts, QWidget *parent = nullptr);

    // Edits the explanation of the position labelled `label` (without ". ").
    void editPosition(const QString &label, const Content &content);
    // Asks for the name of a new spread, starting from `name`.
    void editName(const QString &name);
    // What the dialog holds; read after it was accepted.
    Content content() const;

    QLineEdit *textEdit;
    QCheckBox *significatorBox;
    QLabel *nameLabel;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void onSignificatorToggled(bool checked);

    QString m_significatorText;
    QString m_explanationTitle;
    QString m_newSpreadTitle;
    // What the field held before the box was checked, given back on unchecking.
    QString m_textBeforeSignificator;
};
