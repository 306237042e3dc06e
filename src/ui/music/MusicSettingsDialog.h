#pragma once

#include "core/music/MusicController.h"

#include <QDialog>

#include <functional>

class Interaction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class UiTextTable;
class Preferences;

// The music settings: the music folder and a file of it, the play mode,
// whether spreads' own music is ignored, and the loudness. OK hands the
// choice back through choice(); the association button opens the spread
// music dialog at once, whatever this dialog's outcome.
class MusicSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `fallbackFolder` is the folder shown when the music folder cannot be.
    // `editAssociations` runs the spread music dialog.
    MusicSettingsDialog(const Preferences &preferences, const QString &fallbackFolder,
                        const UiTextTable &texts, Interaction &interaction,
                        std::function<void()> editAssociations, QWidget *parent = nullptr);

    MusicSettingsChoice choice() const;
    QString folder() const { return m_folder; }
    // Shows `folder` and its files, none selected.
    void setFolder(const QString &folder);
    // Selects the file at `path` in the list when it is there.
    void selectFile(const QString &path);

    QLineEdit *folderEdit;
    QPushButton *chooseFolderButton;
    QListWidget *fileList;
    QPushButton *associateButton;
    QCheckBox *ignoreCheck;
    QRadioButton *selectedFileRadio;
    QRadioButton *inOrderRadio;
    QRadioButton *randomRadio;
    // Kept and stored but not shown: the folder music restarts when a spread
    // without music of its own is laid.
    QCheckBox *resetCheck;
    QSlider *volumeSlider;
    QLabel *volumeValue;
    QPushButton *okButton;
    QPushButton *cancelButton;

private:
    void chooseFolder();
    void onPlayModeChanged();

    Interaction &m_interaction;
    QButtonGroup *m_playModes;
    QString m_folder;
};
