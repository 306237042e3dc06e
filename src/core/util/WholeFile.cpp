#include "core/util/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

constexpr qint64 BlockSize = 2048;

// The bytes of `block` before its first zero byte (all of it when it has none).
QByteArray untilFirstNul(const QByteArray &block)
{
    const qsizetype zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}

// Passes writes on to a file and remembers whether any came up short. Writers
// such as QPdfWriter ignore what write() returns, and a file whose disk fills
// up may take part of a write without reporting an error.
class CheckedWrites : public QIODevice
{
public:
    explicit CheckedWrites(QFileDevice &file)
        : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    bool allWritten() const { return m_failure.isEmpty(); }
    // Why the first write that came up short did; the file device itself
    // may have nothing better than "Unknown error" to say by the end.
    QString failure() const { return m_failure; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        errno = 0;
        const qint64 written = m_file.write(data, length);
        if (written != length && m_failure.isEmpty()) {
            m_failure = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                   : QStringLiteral("Not all of it could be written.");
        }
        return written;
    }

private:
    QFileDevice &m_file;
    QString m_failure;
};

QString tooLarge(qint64 maxBytes)
{
    return QStringLiteral("It is larger than %1 bytes, more than any such file can be.")
        .arg(maxBytes);
}

} // namespace

QString WholeFile::unreadableReason(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("There is no such file.");
    if (!info.isFile()) {
        return info.isDir() ? QStringLiteral("It is a folder, not a file.")
                            : QStringLiteral("It is not a regular file (a pipe or a device).");
    }
    return info.size() > maxBytes ? tooLarge(maxBytes) : QString();
}

bool WholeFile::read(const QString &path, QByteArray &text, QString *errorString, qint64 maxBytes)
{
    text.clear();
    const auto fail = [errorString](const QString &reason) {
        if (errorString)
            *errorString = reason;
        return false;
    };
    const QString refused = unreadableReason(path, maxBytes);
    if (!refused.isEmpty())
        return fail(refused);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // The file may have grown since it was measured.
    for (qint64 left = maxBytes + 1;;) {
        const QByteArray block = file.read(qMin(BlockSize, left));
        if (block.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                return fail(file.errorString());
            return true;
        }
        left -= block.size();
        if (left == 0)
            return fail(tooLarge(maxBytes));
        text.append(untilFirstNul(block));
    }
}

bool WholeFile::write(const QString &path, const QByteArray &bytes, QString *errorString)
{
    return write(
        path,
        [&bytes](QIODevice &device, QString *) { return device.write(bytes) == bytes.size(); },
        errorString);
}

bool WholeFile::write(const QString &path, const Producer &produce, QString *errorString)
{
    QSaveFile file(path);
    const auto fail = [&file, errorString](const QString &reason) {
        if (errorString)
            *errorString = reason;
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    QString reason;
    CheckedWrites checked(file);
    const bool produced = produce(checked, &reason);
    // commit() renames the temporary file into place even when flushing its
    // buffer ran out of space, so every write is flushed and checked first.
    // The file's own error (a full disk) says more than the producer's.
    if (!checked.allWritten())
        return fail(checked.failure());
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (!produced)
        return fail(reason.isEmpty() ? file.errorString() : reason);
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}
