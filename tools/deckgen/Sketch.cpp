#include "Sketch.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QtMath>

Sketch::Sketch(QPainter &painter, const Ink &ink, qreal penScale)
    : m_painter(painter)
    , m_ink(ink)
    , m_penScale(penScale)
{}

QPen Sketch::pen(qreal lineScale) const
{
    return QPen(m_ink.line, m_ink.lineWidth * m_penScale * lineScale, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

void Sketch::shape(const QPainterPath &path, const QColor &fill, qreal lineScale) const
{
    m_painter.setPen(lineScale > 0 ? pen(lineScale) : QPen(Qt::NoPen));
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    m_painter.drawPath(path);
}

void Sketch::circle(const QPointF &centre, qreal radius, const QColor &fill, qreal lineScale) const
{
    ellipse(centre, radius, radius, fill, lineScale);
}

void Sketch::ellipse(const QPointF &centre, qreal rx, qreal ry, const QColor &fill,
                     qreal lineScale) const
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    shape(path, fill, lineScale);
}

void Sketch::box(const QRectF &rect, const QColor &fill, qreal lineScale) const
{
    QPainterPath path;
    path.addRect(rect);
    shape(path, fill, lineScale);
}

void Sketch::polygon(const QPolygonF &points, const QColor &fill, qreal lineScale) const
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    shape(path, fill, lineScale);
}

void Sketch::band(const QPainterPath &path, qreal width, const QColor &fill, qreal lineScale) const
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    shape(stroker.createStroke(path).simplified(), fill, lineScale);
}

void Sketch::band(const QPointF &from, const QPointF &to, qreal width, const QColor &fill,
                  qreal lineScale) const
{
    band(line(from, to), width, fill, lineScale);
}

void Sketch::stroke(const QPainterPath &path, const QColor &colour, qreal width) const
{
    m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void Sketch::stroke(const QPointF &from, const QPointF &to, const QColor &colour, qreal width) const
{
    stroke(line(from, to), colour, width);
}

QPainterPath Sketch::pentagram(const QPointF &centre, qreal radius, bool inverted)
{
    const qreal start = inverted ? 90 : -90;
    QPainterPath path;
    for (int i = 0; i <= 5; ++i) {
        const qreal angle = qDegreesToRadians(start + (i * 2 % 5) * 72.0);
        const QPointF corner = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    return path;
}

QPainterPath Sketch::lemniscate(const QPointF &centre, qreal halfWidth)
{
    QPainterPath path;
    constexpr int Steps = 96;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = 2 * M_PI * i / Steps;
        const qreal d = 1 + qSin(t) * qSin(t);
        const QPointF point =
            centre + QPointF(halfWidth * qCos(t) / d, halfWidth * qSin(t) * qCos(t) / d * 1.25);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

QPainterPath Sketch::heart(const QPointF &centre, qreal size)
{
    const qreal s = size / 2;
    QPainterPath path;
    path.moveTo(centre + QPointF(0, s));
    path.cubicTo(centre + QPointF(-s * 0.3, s * 0.6), centre + QPointF(-s * 1.1, s * 0.1),
                 centre + QPointF(-s * 1.0, -s * 0.4));
    path.cubicTo(centre + QPointF(-s * 0.95, -s * 1.05), centre + QPointF(-s * 0.1, -s * 1.05),
                 centre + QPointF(0, -s * 0.5));
    path.cubicTo(centre + QPointF(s * 0.1, -s * 1.05), centre + QPointF(s * 0.95, -s * 1.05),
                 centre + QPointF(s * 1.0, -s * 0.4));
    path.cubicTo(centre + QPointF(s * 1.1, s * 0.1), centre + QPointF(s * 0.3, s * 0.6),
                 centre + QPointF(0, s));
    return path;
}

QPainterPath Sketch::crescent(const QPointF &centre, qreal radius, const QPointF &cut)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + cut, radius, radius);
    return disc.subtracted(bite);
}

QPainterPath Sketch::leaf(const QPointF &base, qreal length, qreal width, qreal angleDegrees)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(width, -length * 0.5, 0, -length);
    path.quadTo(-width, -length * 0.5, 0, 0);
    QTransform turn;
    turn.translate(base.x(), base.y());
    turn.rotate(angleDegrees);
    return turn.map(path);
}

QPainterPath Sketch::line(const QPointF &from, const QPointF &to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}
