#pragma once

#include <QByteArray>
#include <QString>

// Small routines that take file names apart or make text fit for one.
namespace FileNames {

// The part of `path` before its last "/", or the whole path when it has none.
QString folderOf(const QString &path);

// `text` with every "/" and "\" replaced by ".", so a date can be a file name.
QByteArray dotsForSlashes(const QByteArray &text);

// The path by which Qt reaches the file named by the bytes `raw`, as given
// on a command line. Qt decodes file names as UTF-8, and bytes that are not
// UTF-8 do not come back when the name is encoded again; such a file is
// reached through a link in `linkFolder` whose name is the decoded one, so
// messages still show it. Empty when even the link cannot be made.
QString reachablePath(const QByteArray &raw, const QString &linkFolder);

} // namespace FileNames
