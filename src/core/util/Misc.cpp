#include "core/util/Misc.h"

#include "core/util/RandomGenerator.h"

QByteArray Misc::untilFirstNul(const QByteArray &buffer)
{
    const qsizetype zero = buffer.indexOf('\0');
    return zero < 0 ? buffer : buffer.left(zero);
}

QByteArray Misc::randomLinePrefix(RandomGenerator &random)
{
    QByteArray prefix;
    while (prefix.size() < 6) {
        const int code = random.uniform(256);
        if (code == 0 || code == '\n' || code == '\r' || code == ',')
            continue;
        prefix.append(char(code));
    }
    return prefix;
}

QByteArray Misc::scramble(const QByteArray &text)
{
    QByteArray result(text);
    for (char &byte : result) {
        const auto value = static_cast<unsigned char>(byte);
        if (value != 0x00 && value != 0xFF)
            byte = char(value ^ 0xFF);
    }
    return result;
}

QString Misc::folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

QByteArray Misc::dotsForSlashes(const QByteArray &text)
{
    QByteArray result(text);
    result.replace('/', '.');
    result.replace('\\', '.');
    return result;
}

std::optional<qint32> Misc::decimal(const QByteArray &field)
{
    bool ok = false;
    const qint32 value = field.toInt(&ok);
    if (!ok || field.trimmed() != field)
        return std::nullopt;
    return value;
}
