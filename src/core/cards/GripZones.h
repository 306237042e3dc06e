#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a resizable panel can be grabbed to change its size, and the size
// that a drag gives it.
namespace GripZones {

enum class Zone
{
    None,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

// How the panel is docked in its parent. A docked panel can only be
// resized at the edge that faces away from the side it is docked to.
enum class Alignment
{
    None,
    Top,
    Bottom,
    Left,
    Right,
    Client,
};

// Width of the band along each edge that grabs it.
constexpr int GripSize = 5;

// The zone under (x, y), in panel coordinates, of a panel of `size`. Only an
// unaligned panel has corners, and they win over edges; among edges a later
// test replaces an earlier one (right, left, bottom, top), so on a panel
// narrower than two bands the left edge wins over the right.
Zone hitTest(int x, int y, const QSize &size, Alignment alignment);

// The panel's new geometry after the pointer moved by `delta` since the
// grab: the grabbed edges follow the pointer, the opposite ones stay, and
// neither side falls below `minimum`.
QRect dragged(const QRect &start, Zone zone, const QPoint &delta, const QSize &minimum);

} // namespace GripZones
