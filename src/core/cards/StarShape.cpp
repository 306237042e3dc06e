#include "core/cards/StarShape.h"

#include <QPolygonF>
#include <QtMath>

QPainterPath starShape(const QPointF &centre, int points, qreal outer, qreal inner,
                       qreal turnDegrees)
{
    QPolygonF corners;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = qDegreesToRadians(turnDegrees - 90 + i * 180.0 / points);
        const qreal radius = i % 2 == 0 ? outer : inner;
        corners << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}
