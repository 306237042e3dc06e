#include "ui/spreads/PositionBox.h"

#include "ui/common/PointFrame.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The active box's outline, a dark red (170, 0, 0).
const QColor ActiveOutline(170, 0, 0);
// The label in the cream of the table's texts, readable on any table colour
// the user is likely to pick.
const QColor LabelColor(0xf3, 0xea, 0xd2);
// Where the label stands inside the box.
constexpr QPoint LabelOffset(5, 5);
// How far inside the outline the focus ring is drawn.
constexpr int FocusInset = 3;
} // namespace

PositionBox::PositionBox(int index, const QColor &background, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PositionBox::setLabel(const QString &label)
{
    m_label = label;
    update();
}

void PositionBox::setActive(bool active)
{
    m_active = active;
    update();
}

void PositionBox::setFocusRing(bool shown)
{
    m_focusRing = shown;
    update();
}

void PositionBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    // Two points wide, so that the active box stands out at a glance.
    PointFrame::draw(painter, rect(), m_active ? 2 : 1,
                     m_active ? ActiveOutline : QColor(Qt::black));
    if (m_active && m_focusRing) {
        const QRect outline = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QPen(LabelColor, 1, Qt::DotLine));
        painter.drawRect(outline.adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset));
    }
    // Upright also on a box across, as the table writes it.
    painter.setPen(LabelColor);
    const QFontMetrics metrics(font());
    painter.drawText(LabelOffset + QPoint(0, metrics.ascent()), m_label);
}

void PositionBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_grab = event->position().toPoint();
        m_dragStart = pos();
    }
    emit pressed(m_index, event->button());
}

void PositionBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    // The grab point stays under the pointer.
    move(pos() + event->position().toPoint() - m_grab);
    emit dragged(m_index, pos() - m_dragStart);
}

void PositionBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    if (pos() != m_dragStart)
        emit dropped(m_index, pos() - m_dragStart);
}
