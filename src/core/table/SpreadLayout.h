#pragma once

#include <QRect>
#include <QSize>

#include <vector>

class Spread;

// Where the position pictures of a spread lie in the spread area. The spread
// file's pixel places are scaled, positions and card size by one factor, so
// that the whole spread fills the area and stands in its middle; a card whose
// centre lies near an earlier card's centre (the card that crosses another)
// is laid across it, so both can be seen and clicked. Cards that overlap
// further apart, as in a cascade, stay upright where they were placed.
class SpreadLayout
{
public:
    // Space kept free around the spread.
    static constexpr int Margin = 12;
    // Cards are not shrunk below this factor; the area scrolls instead.
    static constexpr double MinimumScale = 0.5;
    // How far, along each axis, a card's centre may lie from an earlier
    // card's centre for it to cross that card: 35 pixels of the design.
    static constexpr int CrossingReach = 35;

    SpreadLayout(const Spread &spread, const QSize &area);

    QRect positionRect(int position) const;
    // The card at `position` lies across: its picture is turned a quarter.
    bool isAcross(int position) const;
    double scale() const { return m_scale; }
    // The size of the surface that holds the pictures: at least the area.
    QSize surfaceSize() const { return m_surface; }

private:
    std::vector<QRect> m_rects;
    std::vector<bool> m_across;
    double m_scale = 1.0;
    QSize m_surface;
};
