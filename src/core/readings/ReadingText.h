#pragma once

#include <QByteArray>
#include <QString>

class ReadingFile;

// A reading file as readable text, for people and test fixtures:
//   format current            (or "format older"; informational only)
//   spread NAME
//   deck N                    then N lines "number" or "number r"
//   positions N               then N lines "number"
//   comments                  then the comments, byte for byte, to the end
// Lines before the comments end with LF or CR LF.
namespace ReadingText {

QByteArray format(const ReadingFile &reading);
// Why format's text of `reading` would not parse back into it (an empty
// spread name, one that holds a line end or a NUL byte, or comments with a
// NUL byte); empty when it would.
QString formatFault(const ReadingFile &reading);

// Fills `reading` from `text`; on failure returns false, leaves `reading`
// alone and says which line is wrong in `errorString`. Accepts only what a
// reading file can hold, so a parsed text always writes a readable file.
bool parse(const QByteArray &text, ReadingFile &reading, QString *errorString);

} // namespace ReadingText
