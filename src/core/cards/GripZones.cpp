#include "core/cards/GripZones.h"

#include <algorithm>

GripZones::Zone GripZones::hitTest(int x, int y, const QSize &size, Alignment alignment)
{
    if (alignment == Alignment::Client)
        return Zone::None;
    const bool nearLeft = x <= GripSize;
    const bool nearRight = size.width() - x <= GripSize;
    const bool nearTop = y <= GripSize;
    const bool nearBottom = size.height() - y <= GripSize;
    const bool unaligned = alignment == Alignment::None;

    if (unaligned) {
        if (nearRight && nearBottom)
            return Zone::BottomRight;
        if (nearLeft && nearTop)
            return Zone::TopLeft;
        if (nearRight && nearTop)
            return Zone::TopRight;
        if (nearLeft && nearBottom)
            return Zone::BottomLeft;
    }
    Zone zone = Zone::None;
    if (nearRight && (unaligned || alignment == Alignment::Left))
        zone = Zone::Right;
    if (nearLeft && (unaligned || alignment == Alignment::Right))
        zone = Zone::Left;
    if (nearBottom && (unaligned || alignment == Alignment::Top))
        zone = Zone::Bottom;
    if (nearTop && (unaligned || alignment == Alignment::Bottom))
        zone = Zone::Top;
    return zone;
}

QRect GripZones::dragged(const QRect &start, Zone zone, const QPoint &delta, const QSize &minimum)
{
    const bool left = zone == Zone::Left || zone == Zone::TopLeft || zone == Zone::BottomLeft;
    const bool right = zone == Zone::Right || zone == Zone::TopRight || zone == Zone::BottomRight;
    const bool top = zone == Zone::Top || zone == Zone::TopLeft || zone == Zone::TopRight;
    const bool bottom =
        zone == Zone::Bottom || zone == Zone::BottomLeft || zone == Zone::BottomRight;

    QRect rect = start;
    if (left)
        rect.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (right)
        rect.setWidth(std::max(start.width() + delta.x(), minimum.width()));
    if (top)
        rect.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (bottom)
        rect.setHeight(std::max(start.height() + delta.y(), minimum.height()));
    return rect;
}
