#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class UiTextTable;
class Preferences;

// The print settings: the report's format, which pictures and texts it
// holds, and the comments shown at its top. The choices are read from and
// saved to the preferences; the caller makes the report.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    PrintSettingsDialog(const Preferences &preferences, const UiTextTable &texts,
                        QWidget *parent = nullptr);

    // Shows `preferences`' print settings and report comments.
    void load(const Preferences &preferences);
    // Stores the choices shown in `preferences`, the comments even when
    // their field is greyed out.
    void store(Preferences &preferences) const;

    QGroupBox *formatGroup;
    QRadioButton *wordButton;
    QRadioButton *htmlButton;
    QRadioButton *openDocumentButton;
    QRadioButton *pdfButton;
    QRadioButton *printerButton;
    // Says that the chosen format cannot be written yet.
    QLabel *formatNotice;
    QCheckBox *spreadViewCheck;
    QGroupBox *spreadViewGroup;
    QRadioButton *schematicButton;
    QRadioButton *miniaturesButton;
    QCheckBox *bigCardsCheck;
    QCheckBox *explanationsCheck;
    QLabel *commentsLabel;
    QPlainTextEdit *commentsEdit;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    int selectedFormat() const;
    // Greys out what the current choices make pointless.
    void applyEnableRules();

    QButtonGroup *m_formats;
};
