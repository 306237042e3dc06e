#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class RandomGenerator;

// Small text routines shared by the file readers and writers. Texts are byte
// strings in the system code page; none of these routines decodes them.
namespace Misc {

// The bytes of `buffer` before its first zero byte (all of it when it has none).
QByteArray untilFirstNul(const QByteArray &buffer);

// Six random bytes that are never NUL, LF, CR or a comma, so a line parser can
// skip them without looking. The caller seeds `random` beforehand.
QByteArray randomLinePrefix(RandomGenerator &random);

// Flips every byte except 0x00 and 0xFF; applying it twice gives the input back.
QByteArray scramble(const QByteArray &text);

// The part of `path` before its last "/", or the whole path when it has none.
QString folderOf(const QString &path);

// `text` with every "/" and "\" replaced by ".", so a date can be a file name.
QByteArray dotsForSlashes(const QByteArray &text);

// `field` as a decimal integer when it is one and nothing else (a sign,
// digits, no spaces around them); empty otherwise.
std::optional<qint32> decimal(const QByteArray &field);

} // namespace Misc
