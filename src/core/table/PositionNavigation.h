#pragma once

#include <QList>
#include <QRect>

// Moving between a spread's positions with the arrow keys: from one position
// to the nearest one that lies in the direction pressed, judged by the places
// the positions are drawn at, not by their order.
namespace PositionNavigation {

enum class Direction
{
    Left,
    Right,
    Up,
    Down,
};

// The position next to `from` in `direction` among `places` (each
// position's rectangle, by index), or -1 when none lies that way. Positions
// that share a centre, as a card laid across another, follow each other in
// index order: Right and Down go to the later one, Left and Up to the earlier.
int neighbour(const QList<QRect> &places, int from, Direction direction);

} // namespace PositionNavigation
