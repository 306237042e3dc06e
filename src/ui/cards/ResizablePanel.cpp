#include "ui/cards/ResizablePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

// However small the minimum, a drag leaves both grip bands, so the panel can
// always be found and grabbed again.
constexpr int GrabbableSide = 2 * GripZones::GripSize;

Qt::CursorShape cursorFor(GripZones::Zone zone)
{
    using GripZones::Zone;
    switch (zone) {
    case Zone::Left:
    case Zone::Right:
        return Qt::SizeHorCursor;
    case Zone::Top:
    case Zone::Bottom:
        return Qt::SizeVerCursor;
    case Zone::TopLeft:
    case Zone::BottomRight:
        return Qt::SizeFDiagCursor;
    case Zone::TopRight:
    case Zone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Zone::None:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

ResizablePanel::ResizablePanel(const QString &caption, QWidget *parent)
    : QFrame(parent)
    , m_caption(caption)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ResizablePanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void ResizablePanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ResizablePanel::keyPressEvent(QKeyEvent *event)
{
    using GripZones::Alignment;
    using GripZones::Zone;
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    // The keys move the edges a drag could move: the far ones of a docked
    // panel, the right and bottom ones of a free one.
    const Zone horizontal = m_alignment == Alignment::Right ? Zone::Left : Zone::Right;
    const Zone vertical = m_alignment == Alignment::Bottom ? Zone::Top : Zone::Bottom;
    const bool widthMoves = m_alignment == Alignment::None || m_alignment == Alignment::Left ||
                            m_alignment == Alignment::Right;
    const bool heightMoves = m_alignment == Alignment::None || m_alignment == Alignment::Top ||
                             m_alignment == Alignment::Bottom;
    bool handled = false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        handled =
            widthMoves && resizeBy(horizontal, {event->key() == Qt::Key_Right ? step : -step, 0});
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        handled =
            heightMoves && resizeBy(vertical, {0, event->key() == Qt::Key_Down ? step : -step});
        break;
    default:
        break;
    }
    if (!handled)
        QFrame::keyPressEvent(event);
}

bool ResizablePanel::resizeBy(GripZones::Zone zone, const QPoint &delta)
{
    const QSize minimum(std::max(m_minimumDragSize.width(), GrabbableSide),
                        std::max(m_minimumDragSize.height(), GrabbableSide));
    const QRect target = GripZones::dragged(geometry(), zone, delta, minimum);
    if (target.size() == size())
        return false;
    setGeometry(target);
    emit resizedByUser();
    return true;
}

GripZones::Zone ResizablePanel::zoneAt(const QPoint &pos) const
{
    return GripZones::hitTest(pos.x(), pos.y(), size(), m_alignment);
}

void ResizablePanel::showZoneCursor(GripZones::Zone zone)
{
    if (zone == GripZones::Zone::None)
        unsetCursor();
    else
        setCursor(cursorFor(zone));
}

void ResizablePanel::mousePressEvent(QMouseEvent *event)
{
    const GripZones::Zone zone = zoneAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || zone == GripZones::Zone::None) {
        QFrame::mousePressEvent(event);
        return;
    }
    m_dragZone = zone;
    m_pressGlobal = event->globalPosition().toPoint();
    m_startGeometry = geometry();
}

void ResizablePanel::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragZone == GripZones::Zone::None) {
        showZoneCursor(zoneAt(event->position().toPoint()));
        QFrame::mouseMoveEvent(event);
        return;
    }
    // The owner may move the panel while it is dragged, so the drag is
    // measured on the screen, not in the panel.
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobal;
    const QSize minimum(std::max(m_minimumDragSize.width(), GrabbableSide),
                        std::max(m_minimumDragSize.height(), GrabbableSide));
    const QRect target = GripZones::dragged(m_startGeometry, m_dragZone, delta, minimum);
    if (target.size() == size())
        return;
    setGeometry(target);
    emit resizedByUser();
}

void ResizablePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragZone == GripZones::Zone::None || event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    m_dragZone = GripZones::Zone::None;
    showZoneCursor(zoneAt(event->position().toPoint()));
}

void ResizablePanel::leaveEvent(QEvent *event)
{
    if (m_dragZone == GripZones::Zone::None)
        unsetCursor();
    QFrame::leaveEvent(event);
}
