#include "core/util/WholeFile.h"

#include "core/util/Misc.h"

#include <QFile>
#include <QSaveFile>

namespace {
constexpr qint64 BlockSize = 2048;
}

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
        text.append(Misc::untilFirstNul(block));
    }
}

bool WholeFile::write(const QString &path, const QByteArray &bytes, QString *errorString)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}
