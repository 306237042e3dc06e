#pragma once

#include "DeckStyle.h"

class QPainter;

// Paints the emblem of each trump, 0 to 21, and of the extra card 78: one
// picture per card, drawn in emblem units around the picture's centre.
class MajorPainter
{
public:
    explicit MajorPainter(const DeckStyle &style);

    void paint(QPainter &painter, int number) const;

private:
    DeckStyle m_style;
};
