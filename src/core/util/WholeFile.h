#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// The one way the program reads and writes a whole data file, as raw bytes.
namespace WholeFile {

// Larger than any data file the program reads; a reader whose files are
// small passes a smaller limit of its own.
constexpr qint64 LargestFile = 256LL * 1024 * 1024;

// Reads `path` in blocks of 2048 bytes; each block is cut at its first zero
// byte, so a NUL hides only the rest of its own block. On an I/O error returns
// false with `text` holding what was read before the error.
//
// Only a regular file (links followed) of at most `maxBytes` bytes is read:
// a pipe or a device could block for ever or never end, and a file far larger
// than any of its kind is not one. Those fail at once, with the reason.
bool read(const QString &path, QByteArray &text, QString *errorString = nullptr,
          qint64 maxBytes = LargestFile);

// Why `path` is no file to read: it is missing, is not a regular file (links
// followed) or is larger than `maxBytes`; empty when it can be read.
QString unreadableReason(const QString &path, qint64 maxBytes);

// Replaces `path` with `bytes`. The bytes go to a temporary file first that is
// renamed over the target only when complete, so a failed write leaves the
// previous file as it was.
bool write(const QString &path, const QByteArray &bytes, QString *errorString = nullptr);

// Writes a file's content to `device`; false, with the reason, when it cannot.
using Producer = std::function<bool(QIODevice &device, QString *errorString)>;

// Replaces `path` with what `produce` writes, in the same safe way: the file
// is flushed and checked before it takes the target's place, so a disk that
// fills up part way through is reported and the previous file stays. Every
// writer that streams its output (PDF, pictures) goes through here.
bool write(const QString &path, const Producer &produce, QString *errorString = nullptr);

} // namespace WholeFile
