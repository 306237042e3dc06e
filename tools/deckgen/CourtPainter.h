#pragma once

#include "DeckStyle.h"

class QPainter;
class Sketch;

// Paints a court card as a coat of arms: the suit's pip on a shield, under the
// crest of its rank (page's cap, knight's helm, queen's crown, king's crown)
// with the rank's token beside it (scroll, lance, veil, sceptre).
class CourtPainter
{
public:
    explicit CourtPainter(Look look);

    // Draws in emblem units; `rank` is 11 (page) to 14 (king).
    void paint(QPainter &painter, Suit suit, int rank, const Ink &ink) const;

private:
    void shield(const Sketch &sketch, Suit suit) const;

    Look m_look;
};
