#pragma once

#include "ui/common/DialogContext.h"

#include "core/lang/UiText.h"

#include <QObject>
#include <QSize>
#include <QString>

#include <optional>

class HandChoice;
class MusicController;
class QWidget;
class ReadingSession;

// The commands that pick a spread: start a reading with it, type a reading
// in, lay one from a file, and create or edit spreads in the editor.
class SpreadCommands : public QObject
{
    Q_OBJECT

public:
    // `window` parents the dialogs; every argument must outlive the commands.
    SpreadCommands(QWidget *window, const DialogContext &context, ReadingSession &session,
                   MusicController &music, HandChoice &hands);

    // The editor's area is the table's spread area, so boxes stand where cards will lie.
    void setSpreadAreaSize(const QSize &size) { m_spreadAreaSize = size; }

    void startReading();
    void typeInReading();
    // Lays the spread file at `path`, offered to the spread list first.
    void startReadingFromFile(const QString &path);
    void editSpread();
    // The editor for spread `name`, or for a new spread when it is empty.
    void designSpread(const QString &name);

private:
    // Runs the spread chooser; the spread picked, or nothing on Cancel.
    std::optional<QString> chooseSpread(const QString &caption);
    // Tells the user the spread chosen was refused under `headline`, naming
    // the file and its fault.
    void showSpreadRefused(const QString &fault, UiText::Index headline = UiText::SpreadUnreadable);

    QWidget *m_window;
    DialogContext m_context;
    ReadingSession &m_session;
    MusicController &m_music;
    HandChoice &m_hands;
    QSize m_spreadAreaSize;
    bool m_unusableSpreadsReported = false;
};
