#pragma once

#include "DeckStyle.h"

#include <QPainterPath>
#include <QPen>
#include <QPointF>

class QPainter;

// Draws shapes outlined in one ink: the strokes shared by emblems, pips and
// frames, plus the paths of the recurring figures (stars, hearts, crescents).
class Sketch
{
public:
    // `penScale` converts the ink's line width into the painter's current units.
    Sketch(QPainter &painter, const Ink &ink, qreal penScale = 1);

    QPainter &painter() const { return m_painter; }
    const Ink &ink() const { return m_ink; }

    void shape(const QPainterPath &path, const QColor &fill, qreal lineScale = 1) const;
    void circle(const QPointF &centre, qreal radius, const QColor &fill, qreal lineScale = 1) const;
    void ellipse(const QPointF &centre, qreal rx, qreal ry, const QColor &fill,
                 qreal lineScale = 1) const;
    void box(const QRectF &rect, const QColor &fill, qreal lineScale = 1) const;
    void polygon(const QPolygonF &points, const QColor &fill, qreal lineScale = 1) const;
    // An outlined band of `width` along `path`, like a staff or a ribbon.
    void band(const QPainterPath &path, qreal width, const QColor &fill, qreal lineScale = 1) const;
    void band(const QPointF &from, const QPointF &to, qreal width, const QColor &fill,
              qreal lineScale = 1) const;
    // A plain stroke without outline, `width` in the painter's units.
    void stroke(const QPainterPath &path, const QColor &colour, qreal width) const;
    void stroke(const QPointF &from, const QPointF &to, const QColor &colour, qreal width) const;

    // The five-line star drawn through every other corner of a pentagon.
    static QPainterPath pentagram(const QPointF &centre, qreal radius, bool inverted);
    static QPainterPath lemniscate(const QPointF &centre, qreal halfWidth);
    static QPainterPath heart(const QPointF &centre, qreal size);
    // A disc of `radius` with a disc of the same size, moved by `cut`, taken out.
    static QPainterPath crescent(const QPointF &centre, qreal radius, const QPointF &cut);
    static QPainterPath leaf(const QPointF &base, qreal length, qreal width, qreal angleDegrees);
    static QPainterPath line(const QPointF &from, const QPointF &to);

private:
    QPen pen(qreal lineScale) const;

    QPainter &m_painter;
    Ink m_ink;
    qreal m_penScale;
};
