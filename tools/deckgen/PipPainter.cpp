#include "PipPainter.h"

#include "SuitPip.h"

#include <QPainter>
#include <QVector>
#include <QtMath>

namespace {

// Pip centres in a unit area: x from the left column (-1) to the right (1),
// y from the top row (0) to the bottom row (1).
QVector<QPointF> layout(int rank)
{
    const QPointF top(0, 0), middle(0, 0.5), bottom(0, 1);
    const QVector<QPointF> pairs3 = {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    const QVector<QPointF> pairs4 = {{-1, 0},       {1, 0},       {-1, 1.0 / 3}, {1, 1.0 / 3},
                                     {-1, 2.0 / 3}, {1, 2.0 / 3}, {-1, 1},       {1, 1}};
    switch (rank) {
    case 2:
        return {top, bottom};
    case 3:
        return {top, middle, bottom};
    case 4:
        return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5:
        return {{-1, 0}, {1, 0}, middle, {-1, 1}, {1, 1}};
    case 6:
        return pairs3;
    case 7:
        return pairs3 + QVector<QPointF>{{0, 0.25}};
    case 8:
        return pairs3 + QVector<QPointF>{{0, 0.25}, {0, 0.75}};
    case 9:
        return pairs4 + QVector<QPointF>{middle};
    case 10:
        return pairs4 + QVector<QPointF>{{0, 1.0 / 6}, {0, 5.0 / 6}};
    default:
        return {middle};
    }
}

// Fewer pips may be drawn larger.
qreal pipHeight(int rank)
{
    if (rank == 1)
        return 250;
    if (rank <= 3)
        return 120;
    if (rank <= 6)
        return 104;
    if (rank <= 8)
        return 90;
    return 78;
}

} // namespace

PipPainter::PipPainter(Look look)
    : m_look(look)
{}

void PipPainter::paintAceHalo(QPainter &painter, const Ink &ink, const QPointF &centre) const
{
    const bool ardenvale = m_look == Look::Ardenvale;
    QRadialGradient glow(centre, 120);
    QColor light = ardenvale ? ink.fillLight : ink.detail;
    light.setAlpha(ardenvale ? 230 : 60);
    glow.setColorAt(0, light);
    light.setAlpha(0);
    glow.setColorAt(1, light);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 120, 120);

    const QColor ring = ardenvale ? ink.frame : ink.accent;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 2));
    painter.drawEllipse(centre, 112, 112);
    painter.setPen(QPen(ardenvale ? ring : ink.line, 1));
    painter.drawEllipse(centre, 105, 105);
    const int rays = ardenvale ? 48 : 24;
    for (int i = 0; i < rays; ++i) {
        const qreal angle = qDegreesToRadians(i * 360.0 / rays);
        const QPointF dir(qCos(angle), qSin(angle));
        const qreal reach = i % 2 == 0 ? 132 : 122;
        painter.setPen(QPen(ring, i % 2 == 0 ? 2 : 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + dir * 116, centre + dir * reach);
    }
}

void PipPainter::paint(QPainter &painter, Suit suit, int rank, const Ink &ink,
                       const QRectF &area) const
{
    if (rank == 1)
        paintAceHalo(painter, ink, area.center());
    const qreal height = pipHeight(rank);
    const qreal columnOffset = area.width() * 0.27;
    const qreal top = area.top() + height / 2;
    const qreal span = area.height() - height;
    for (const QPointF &spot : layout(rank)) {
        const QPointF centre(area.center().x() + spot.x() * columnOffset, top + spot.y() * span);
        SuitPip::paint(painter, m_look, suit, ink, centre, height);
    }
}
