#pragma once

#include <QPainterPath>
#include <QPointF>

// A star outline with `points` tips on radius `outer` and notches on
// `inner`, its first tip straight up unless turned by `turnDegrees`. Card
// backs and the drawn decks share it.
QPainterPath starShape(const QPointF &centre, int points, qreal outer, qreal inner,
                       qreal turnDegrees = 0);
