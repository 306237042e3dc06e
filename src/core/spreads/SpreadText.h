#pragma once

#include <QByteArray>
#include <QString>

class Spread;

// A spread as readable text, for people and build scripts: the position
// count on the first line, then one line per position "[S]x,y,explanation".
// Lines end with LF or CR LF.
namespace SpreadText {

QByteArray format(const Spread &spread);
// Why format's text of `spread` would not parse back into it (an explanation
// that holds a line end or a NUL byte, or a layout the table refuses); empty
// when it would.
QString formatFault(const Spread &spread);

// Replaces `spread`'s positions with those of `text`; on failure returns false and says
// which line is wrong in `errorString`.
bool parse(const QByteArray &text, Spread &spread, QString *errorString);

} // namespace SpreadText
