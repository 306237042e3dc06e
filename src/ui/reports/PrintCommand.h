#pragma once

#include "ui/common/DialogContext.h"

class QWidget;
class ReadingSession;

// The "Print..." command: asks for the print settings, stores them, keeps
// the report of the reading on the table in the reports folder, says where,
// and hands it to the desktop, telling what is needed when nothing opens
// it; or prints it on a printer chosen in the print dialog.
namespace PrintCommand {

// `window` parents the dialog and the messages. The settings chosen are
// kept in the context's preferences even when the report then fails.
void run(QWidget *window, const DialogContext &context, const ReadingSession &session);

} // namespace PrintCommand
