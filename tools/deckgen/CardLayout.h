#pragma once

#include <QRectF>
#include <QSize>

// The places on a card face, in units of the layout.
namespace CardLayout {

constexpr QSize Size(350, 600);
// Pixels of the generated picture per unit: 525 by 900 pixels, so the detail
// window's picture box at its default height of 290 still gets a pixel of
// the picture for each of its own on a screen of three times the density.
constexpr qreal PixelsPerUnit = 1.5;
// The inner face inside the frame band.
constexpr QRectF Panel(26, 26, 298, 548);
// The numeral plate or corner marks above the picture.
constexpr QRectF Header(26, 36, 298, 50);
// The picture proper.
constexpr QRectF Picture(40, 94, 270, 398);
// The plate bearing the title.
constexpr QRectF TitlePlate(40, 502, 270, 58);

// Emblems are drawn in a box of these units around the picture's centre,
// scaled to fill the picture.
constexpr qreal EmblemHalfWidth = 100;
constexpr qreal EmblemHalfHeight = 130;
// The window around a trump's emblem, a little larger than the emblem's box.
constexpr QRectF TrumpWindow(-106, -136, 212, 272);

} // namespace CardLayout
