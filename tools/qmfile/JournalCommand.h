#pragma once

#include <QStringList>

// `qmfile journal stats DIR... [--since DATE] [--card N] [--csv] [--data DIR]`:
// the journal's counts over the readings in the folders, for scripts.
namespace JournalCommand {

// The lines `qmfile --help` shows for the command.
extern const char Usage[];

// Runs the command with the arguments after "journal"; returns the exit code.
int run(const QStringList &arguments);

} // namespace JournalCommand
