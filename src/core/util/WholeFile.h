#pragma once

#include <QByteArray>
#include <QString>

// The one way the program reads and writes a whole data file, as raw bytes.
namespace WholeFile {

// Reads `path` in blocks of 2048 bytes; each block is cut at its first zero
// byte, so a NUL hides only the rest of its own block. On an I/O error returns
// false with `text` holding what was read before the error.
bool read(const QString &path, QByteArray &text, QString *errorString = nullptr);

// Replaces `path` with `bytes`. The bytes go to a temporary file first that is
// renamed over the target only when complete, so a failed write leaves the
// previous file as it was.
bool write(const QString &path, const QByteArray &bytes, QString *errorString = nullptr);

} // namespace WholeFile
