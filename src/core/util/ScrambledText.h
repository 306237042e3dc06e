#pragma once

#include <QByteArray>

class RandomGenerator;

// The scrambling that spread and reading files are stored under, and the
// random prefixes a spread file puts before its lines. Texts are byte strings
// in the system code page; nothing here decodes them.
namespace ScrambledText {

// Flips every byte except 0x00 and 0xFF; applying it twice gives the input back.
QByteArray scramble(const QByteArray &text);

// Six random bytes that are never NUL, LF, CR or a comma, so a line parser can
// skip them without looking. The caller seeds `random` beforehand.
QByteArray randomLinePrefix(RandomGenerator &random);

} // namespace ScrambledText
