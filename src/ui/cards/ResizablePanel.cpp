#include "ui/cards/ResizablePanel.h"

#include <QMouseEvent>
#include <QPainter>

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
