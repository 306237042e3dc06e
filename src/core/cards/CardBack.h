#pragma once

#include <QImage>
#include <QSize>

// The back every card shows face down: the table's dark green with a gold
// lattice, a rounded gold frame and a medallion, drawn at any size.
namespace CardBack {

// The back at `size`; it looks the same turned upside down, so a reversed
// card cannot be told from the others. A null image for an empty size.
QImage render(const QSize &size);

} // namespace CardBack
