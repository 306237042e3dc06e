#pragma once

#include "DeckStyle.h"

#include <QRectF>

class QPainter;

// Lays out the pips of a numbered suit card as on playing cards: one large
// pip for the ace, columns of pips for the others.
class PipPainter
{
public:
    explicit PipPainter(Look look);

    void paint(QPainter &painter, Suit suit, int rank, const Ink &ink, const QRectF &area) const;

private:
    void paintAceHalo(QPainter &painter, const Ink &ink, const QPointF &centre) const;

    Look m_look;
};
