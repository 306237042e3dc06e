#include "core/table/PositionNavigation.h"

#include <limits>

namespace {

// How far `to` lies in `direction` from `from` (positive when it lies that
// way) and how far off to the side.
struct Offset
{
    int along;
    int aside;
};

Offset offset(const QPoint &from, const QPoint &to, PositionNavigation::Direction direction)
{
    using Direction = PositionNavigation::Direction;
    const QPoint d = to - from;
    switch (direction) {
    case Direction::Left:
        return {-d.x(), d.y()};
    case Direction::Right:
        return {d.x(), d.y()};
    case Direction::Up:
        return {-d.y(), d.x()};
    case Direction::Down:
        break;
    }
    return {d.y(), d.x()};
}

bool forward(PositionNavigation::Direction direction)
{
    return direction == PositionNavigation::Direction::Right ||
           direction == PositionNavigation::Direction::Down;
}

} // namespace

int PositionNavigation::neighbour(const QList<QRect> &places, int from, Direction direction)
{
    if (from < 0 || from >= places.size())
        return -1;
    const QPoint origin = places.at(from).center();
    int best = -1;
    long long bestScore = std::numeric_limits<long long>::max();
    for (int i = 0; i < places.size(); ++i) {
        if (i == from)
            continue;
        const QPoint centre = places.at(i).center();
        if (centre == origin) {
            // Cards on one spot: the nearest index that way wins outright.
            if (forward(direction) ? i > from : i < from) {
                if (bestScore > 0 || (forward(direction) ? i < best : i > best)) {
                    best = i;
                    bestScore = 0;
                }
            }
            continue;
        }
        const Offset o = offset(origin, centre, direction);
        if (o.along <= 0)
            continue;
        // A step to the side costs twice a step ahead, so the key goes to
        // what lies in line before what lies aslant.
        const long long score = 1 + o.along + 2LL * qAbs(o.aside);
        if (score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}
