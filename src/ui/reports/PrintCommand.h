#pragma once

#include "ui/common/DialogContext.h"

class Interaction;
class ProgramData;
class QWidget;
class ReadingSession;
class Preferences;

// The "Print..." command: asks for the print settings, stores them, makes
// the report of the reading on the table in Temp and hands it to the desktop,
// or prints it on a printer chosen in the print dialog.
namespace PrintCommand {

// `window` parents the dialog and the messages. The settings chosen are
// kept in the context's preferences even when the report then fails.
void run(QWidget *window, const DialogContext &context, const ReadingSession &session);

} // namespace PrintCommand
