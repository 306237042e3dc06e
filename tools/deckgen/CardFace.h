#pragma once

#include "CourtPainter.h"
#include "DeckStyle.h"
#include "FramePainter.h"
#include "MajorPainter.h"
#include "PipPainter.h"

#include <QByteArray>
#include <QImage>

// Draws the whole face of one card: frame, numeral, picture and title.
class CardFace
{
public:
    explicit CardFace(const DeckStyle &style);

    // `title` is the card's UTF-8 title; a trump's title starts with its
    // numeral ("XIX. The Sun"), which goes on the plate above the picture.
    QImage render(int number, const QByteArray &title) const;

private:
    DeckStyle m_style;
    FramePainter m_frame;
    MajorPainter m_major;
    PipPainter m_pips;
    CourtPainter m_court;
};
