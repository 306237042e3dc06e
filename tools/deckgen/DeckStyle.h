#pragma once

#include <QColor>
#include <QFont>

enum class Look
{
    Ardenvale,
    Veldmere
};

enum class Suit
{
    Wands,
    Cups,
    Swords,
    Pentacles
};

// The colours one card is drawn in.
struct Ink
{
    QColor line;      // outlines and line art
    QColor fill;      // main surfaces
    QColor fillLight; // lit or pale surfaces: cloth, stone, steel
    QColor accent;    // metal: crowns, rims, hilts, coins
    QColor detail;    // a second colour for sky, water and robes
    QColor leaf;      // growing things
    QColor shadow;    // the darkest surfaces: openings, dark stone, iron
    QColor ground;    // the face behind the picture
    QColor groundEdge;
    QColor frame; // the frame band
    QColor frameLine;
    QColor text;
    qreal lineWidth;
};

// The palettes and lettering of one deck: an ink for the trumps and one per suit.
class DeckStyle
{
public:
    explicit DeckStyle(Look look);

    Look look() const { return m_look; }
    Ink trumpInk() const;
    Ink suitInk(Suit suit) const;
    QFont titleFont(qreal pixelSize) const;
    QFont numeralFont(qreal pixelSize) const;

private:
    Look m_look;
};
