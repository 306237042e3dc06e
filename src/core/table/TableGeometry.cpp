#include "core/table/TableGeometry.h"

#include "core/util/Rounding.h"

#include <cmath>

namespace {
// The prompt panel's labels, left of the spread area.
constexpr int PanelLabelLeft = 10;
constexpr int PanelLabelWidth = 118;
constexpr int SpreadNameTop = 210;
constexpr int PromptTop = 270;
// The buttons stand this far above the window's bottom edge.
constexpr int ButtonsFromBottom = 120;
} // namespace

TableGeometry::TableGeometry(const QSize &windowSize, const QSize &surfaceSize)
    : m_window(windowSize)
    , m_surface(surfaceSize)
{}

QRect TableGeometry::stackedDeckRect() const
{
    const QPoint centre = deckCentre();
    return QRect(QPoint(centre.x() - 77, centre.y() - 164),
                 QPoint(centre.x() + 106 - 1, centre.y() + 100 - 1));
}

QPoint TableGeometry::deckCentre() const
{
    return QPoint(m_window.width() / 2, m_window.height() / 2);
}

QPoint TableGeometry::stackedBackTopLeft(int copy) const
{
    return stackedDeckRect().topLeft() + QPoint(StackedBackStep * copy, StackedBackStep * copy);
}

QPoint TableGeometry::shuffleBackTopLeft(double angle) const
{
    return shuffleCentre() + QPoint(roundHalfEven(std::cos(angle) * ShuffleRadii.width()),
                                    roundHalfEven(std::sin(angle) * ShuffleRadii.height()));
}

QRect TableGeometry::shuffleArea() const
{
    const QPoint radii(ShuffleRadii.width(), ShuffleRadii.height());
    return QRect(shuffleCentre() - radii,
                 shuffleCentre() + radii +
                     QPoint(LargeBackSize.width() - 1, LargeBackSize.height() - 1));
}

QPoint TableGeometry::shuffleCentre() const
{
    return QPoint(m_window.width() / 2 - 55, m_window.height() / 2 - 135);
}

QRect TableGeometry::spreadAreaRect() const
{
    return QRect(SpreadAreaLeft, SpreadAreaTop, m_surface.width() - SpreadAreaLeft,
                 m_surface.height() - SpreadAreaTop);
}

QRect TableGeometry::horizontalRuleRect() const
{
    return QRect(0, SpreadAreaTop - 2, m_surface.width(), 2);
}

QRect TableGeometry::verticalRuleRect() const
{
    return QRect(SpreadAreaLeft - 2, SpreadAreaTop, 2, m_surface.height() - SpreadAreaTop);
}

QRect TableGeometry::spreadNameRect() const
{
    return QRect(PanelLabelLeft, SpreadNameTop, PanelLabelWidth, PromptTop - SpreadNameTop);
}

QRect TableGeometry::promptRect() const
{
    return QRect(PanelLabelLeft, PromptTop, PanelLabelWidth, m_surface.height() - PromptTop);
}

QRect TableGeometry::optionNoticeRect() const
{
    return QRect(m_window.width() - 240, 10, 220, 24);
}

QPoint TableGeometry::shuffleButtonPos() const
{
    return QPoint(m_window.width() / 2 - 91, m_window.height() - ButtonsFromBottom);
}

QPoint TableGeometry::stopButtonPos() const
{
    return QPoint(m_window.width() / 2 + 10, m_window.height() - ButtonsFromBottom);
}

QPoint TableGeometry::cutButtonPos() const
{
    return QPoint((m_window.width() - ButtonSize.width()) / 2,
                  m_window.height() - ButtonsFromBottom);
}

QRect TableGeometry::extraCardRect() const
{
    return QRect((SpreadAreaLeft - 2 - PositionSize.width()) / 2,
                 m_surface.height() - PositionSize.height() - 20, PositionSize.width(),
                 PositionSize.height());
}
