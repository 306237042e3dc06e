#pragma once

#include "ui/common/DialogContext.h"

#include <QObject>
#include <QString>

class CommentsWindow;
class Interaction;
class ProgramData;
class QWidget;
class UiTextTable;
class ReadingSession;
class Preferences;

// Saving the reading on the table to a file, with the user's comments, and
// laying a saved reading again with its comments beside the table.
class ReadingFileCommands : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs and the window that shows an opened
    // reading's comments. All must outlive this object.
    ReadingFileCommands(QWidget *window, const DialogContext &context, ReadingSession &session,
                        QObject *parent = nullptr);

    void save();
    // Asks for a reading file and opens it; true when a reading was laid on
    // the table.
    bool open();
    // Opens the reading file at `path`, e.g. one named on the command line;
    // a file that cannot be opened is reported as Open reports it.
    bool openFile(const QString &path);
    // Puts an opened reading's comments away.
    void hideComments();
    // Gives the comments window of an opened reading a new language's texts.
    void retranslate(const UiTextTable &texts);

private:
    // Runs a file dialog for reading files; the chosen path, empty on cancel.
    QString chooseFile(bool saving, const QString &proposedName);
    // The window beside the table for an opened reading's comments, made when
    // a reading first brings comments: most sessions never need it.
    CommentsWindow &openedComments();

    QWidget *m_window;
    Interaction &m_interaction;
    const ProgramData &m_data;
    // The report comments follow the comments of the reading saved last.
    Preferences &m_preferences;
    ReadingSession &m_session;
    CommentsWindow *m_openedComments = nullptr;
    // The comments of the last save attempt that did not succeed.
    QString m_unsavedComments;
};
