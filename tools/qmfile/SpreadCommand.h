#pragma once

#include <QStringList>

// `qmfile spread unpack FILE` and `qmfile spread pack TEXT OUT`.
namespace SpreadCommand {

// Runs the command with the arguments after "spread"; returns the exit code.
int run(const QStringList &arguments);

} // namespace SpreadCommand
