#pragma once

#include <QByteArray>
#include <QString>

// Small routines that take file names apart or make text fit for one.
namespace FileNames {

// The part of `path` before its last "/", or the whole path when it has none.
QString folderOf(const QString &path);

// `text` with every "/" and "\" replaced by ".", so a date can be a file name.
QByteArray dotsForSlashes(const QByteArray &text);

} // namespace FileNames
