#pragma once

#include <QObject>
#include <QString>

class CommentsWindow;
class Interaction;
class ProgramData;
class QWidget;
class ReadingSession;
struct Preferences;

// Saving the reading on the table to a file, with the user's comments, and
// laying a saved reading again with its comments beside the table.
class ReadingFileCommands : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs; `comments` shows an opened reading's
    // comments. All must outlive this object.
    ReadingFileCommands(QWidget *window, Interaction &interaction, const ProgramData &data,
                        Preferences &preferences, ReadingSession &session, CommentsWindow &comments,
                        QObject *parent = nullptr);

    void save();
    // Asks for a reading file and opens it; true when a reading was laid on
    // the table.
    bool open();
    // Opens the reading file at `path`, e.g. one named on the command line;
    // a file that cannot be opened is reported as Open reports it.
    bool openFile(const QString &path);

private:
    // Runs a file dialog for reading files; the chosen path, empty on cancel.
    QString chooseFile(bool saving, const QString &proposedName);

    QWidget *m_window;
    Interaction &m_interaction;
    const ProgramData &m_data;
    // The report comments follow the comments of the reading saved last.
    Preferences &m_preferences;
    ReadingSession &m_session;
    CommentsWindow &m_comments;
    // The comments of the last save attempt that did not succeed.
    QString m_unsavedComments;
};
