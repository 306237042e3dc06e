#include "core/util/ScrambledText.h"

#include "core/util/RandomGenerator.h"

QByteArray ScrambledText::scramble(const QByteArray &text)
{
    QByteArray result(text);
    for (char &byte : result) {
        const auto value = static_cast<unsigned char>(byte);
        if (value != 0x00 && value != 0xFF)
            byte = char(value ^ 0xFF);
    }
    return result;
}

QByteArray ScrambledText::randomLinePrefix(RandomGenerator &random)
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
