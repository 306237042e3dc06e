#pragma once

#include <QStringList>

// `qmfile reading unpack FILE [POSITIONS]` and `qmfile reading pack TEXT OUT`.
namespace ReadingCommand {

// Runs the command with the arguments after "reading"; returns the exit code.
int run(const QStringList &arguments);

} // namespace ReadingCommand
