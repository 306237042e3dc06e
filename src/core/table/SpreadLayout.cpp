#include "core/table/SpreadLayout.h"

#include "core/spreads/Spread.h"
#include "core/table/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

bool crosses(const QRect &card, const QRect &earlier)
{
    const QPoint offset = card.center() - earlier.center();
    return qAbs(offset.x()) <= SpreadLayout::CrossingReach &&
           qAbs(offset.y()) <= SpreadLayout::CrossingReach;
}

} // namespace

SpreadLayout::SpreadLayout(const Spread &spread, const QSize &area)
{
    const QSize card = TableGeometry::PositionSize;
    const int count = std::min(spread.positionCount(), int(Spread::Capacity));
    QRect bounds;
    for (int i = 0; i < count; ++i) {
        // A record not checked by a reader may hold any coordinates; within
        // the limit, the rectangle arithmetic below cannot overflow.
        const QPoint design = spread.positions.at(i).place;
        const QPoint place(
            std::clamp(design.x(), -Spread::CoordinateLimit, Spread::CoordinateLimit),
            std::clamp(design.y(), -Spread::CoordinateLimit, Spread::CoordinateLimit));
        QRect rect(place, card);
        bool across = false;
        for (int j = 0; j < i && !across; ++j) {
            if (m_across[std::size_t(j)])
                continue;
            if (crosses(rect, m_rects[std::size_t(j)])) {
                across = true;
                rect = QRect(QPoint(), card.transposed());
                rect.moveCenter(m_rects[std::size_t(j)].center());
            }
        }
        m_rects.push_back(rect);
        m_across.push_back(across);
        bounds |= rect;
    }
    if (bounds.isEmpty()) {
        m_surface = area;
        return;
    }

    const double fitWidth = double(area.width() - 2 * Margin) / bounds.width();
    const double fitHeight = double(area.height() - 2 * Margin) / bounds.height();
    m_scale = std::max(MinimumScale, std::min(fitWidth, fitHeight));
    const QSize scaled(int(std::lround(bounds.width() * m_scale)),
                       int(std::lround(bounds.height() * m_scale)));
    m_surface = QSize(std::max(area.width(), scaled.width() + 2 * Margin),
                      std::max(area.height(), scaled.height() + 2 * Margin));
    const QPointF origin((m_surface.width() - scaled.width()) / 2.0,
                         (m_surface.height() - scaled.height()) / 2.0);
    for (QRect &rect : m_rects) {
        const QPointF topLeft = origin + QPointF(rect.topLeft() - bounds.topLeft()) * m_scale;
        rect = QRect(QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))),
                     QSize(int(std::lround(rect.width() * m_scale)),
                           int(std::lround(rect.height() * m_scale))));
    }
}

QRect SpreadLayout::positionRect(int position) const
{
    if (position < 0 || position >= int(m_rects.size()))
        return {};
    return m_rects[std::size_t(position)];
}

bool SpreadLayout::isAcross(int position) const
{
    return position >= 0 && position < int(m_across.size()) && m_across[std::size_t(position)];
}
