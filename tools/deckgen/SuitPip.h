#pragma once

#include "DeckStyle.h"

#include <QPointF>

class QPainter;

// The symbol of a suit: a wand, cup, sword or pentacle, in the deck's own
// manner, standing upright in a box `height` tall around `centre`.
namespace SuitPip {

void paint(QPainter &painter, Look look, Suit suit, const Ink &ink, const QPointF &centre,
           qreal height);

} // namespace SuitPip
