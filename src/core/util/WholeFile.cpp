#include "core/util/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr qint64 BlockSize = 2048;

// The bytes of `block` before its first zero byte (all of it when it has none).
QByteArray untilFirstNul(const QByteArray &block)
{
    const qsizetype zero = block.indexOf('\0');
    return zero < 0 ? block : block.left(zero);
}

} // namespace

bool WholeFile::read(const QString &path, QByteArray &text, QString *errorString)
{
    text.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    for (;;) {
        const QByteArray block = file.read(BlockSize);
        if (block.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                if (errorString)
                    *errorString = file.errorString();
                return false;
            }
            return true;
        }
        text.append(untilFirstNul(block));
    }
}

bool WholeFile::write(const QString &path, const QByteArray &bytes, QString *errorString)
{
    QSaveFile file(path);
    const auto fail = [&file, errorString] {
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // commit() renames the temporary file into place even when flushing its
    // buffer ran out of space, so every write is flushed and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return fail();
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}
