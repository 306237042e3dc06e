#pragma once

#include <QDialog>

class Interaction;
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
// holds, its layout, the folder it is kept in and the comments shown at its
// top. The choices are read from and saved to the preferences; the caller
// makes the report.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `defaultFolder` is where reports are kept until the user chooses another.
    PrintSettingsDialog(const Preferences &preferences, const QString &defaultFolder,
                        const UiTextTable &texts, Interaction &interaction,
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
    QCheckBox *compactCheck;
    QLabel *folderLabel;
    QPushButton *saveInButton;
    QLabel *commentsLabel;
    QPlainTextEdit *commentsEdit;
    QPushButton *okButton;
    QPushButton *cancelButton;

    // The folder the report will be kept in.
    QString folder() const { return m_folder; }

private:
    int selectedFormat() const;
    // Asks for the folder reports are kept in.
    void chooseFolder();
    void setFolder(const QString &folder);
    // Greys out what the current choices make pointless.
    void applyEnableRules();

    QButtonGroup *m_formats;
    const UiTextTable &m_texts;
    Interaction &m_interaction;
    QString m_defaultFolder;
    QString m_folder;
};
