#pragma once

class QColor;
class QPainter;
class QRect;

// The mark round the card or deck that has the keyboard's focus: a wide
// band in a colour that stands out from the table, edged with a thin line of
// the opposite lightness so that it shows on card faces and backs alike.
namespace FocusRing {

// Paints the ring just inside `rect` on a table of colour `table`.
void paint(QPainter &painter, const QRect &rect, const QColor &table);

} // namespace FocusRing
