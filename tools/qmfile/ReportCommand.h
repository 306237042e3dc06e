#pragma once

#include <QStringList>

// `qmfile report html READING OUT --data DIR [options]`: the report of a
// saved reading, made by the same code as the table's Print command.
namespace ReportCommand {

// The lines `qmfile --help` shows for the command.
extern const char Usage[];

// Runs the command with the arguments after "report"; returns the exit code.
int run(const QStringList &arguments);

} // namespace ReportCommand
