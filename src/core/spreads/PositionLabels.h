#pragma once

#include <QByteArray>
#include <QString>

class Spread;

// How a position is named to the user. Significator positions come first and
// are marked "S"; the ordinary ones after them are numbered from 1.
namespace PositionLabels {

// The label written on the position's picture on the table.
QByteArray tableLabel(const Spread &spread, int position);
// The label in the spread editor, where significators always carry their number.
QByteArray editorLabel(const Spread &spread, int position);
// The label on a report's spread picture: "S" for the one significator,
// "S1", "S2"... when there are several, the number otherwise.
QByteArray reportLabel(const Spread &spread, int position);
// The hint shown when the pointer rests on the position; also the heading of
// its part of a web page report.
QByteArray hint(const Spread &spread, int position);
// The position's heading in a word-processor report: the hint, but for
// several significators, whose number follows the explanation directly ("You1").
QByteArray documentHeading(const Spread &spread, int position);

// The table label and the hint as the table shows them, decoded for `language`.
QString tableLabelText(const Spread &spread, int position, const QString &language);
QString hintText(const Spread &spread, int position, const QString &language);

} // namespace PositionLabels
