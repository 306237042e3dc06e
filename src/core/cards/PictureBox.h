#pragma once

#include <QSize>
#include <QString>

// How the detail window fits a card picture into its picture box.
namespace PictureBox {

struct Fit
{
    QSize box;
    // The picture is scaled to the box; otherwise it is drawn at its own
    // size in the box's top-left corner.
    bool stretched = false;
    // The picture is turned by 180 degrees.
    bool turned = false;
};

// With `keepActual` the box keeps the card size and the picture its own
// size; otherwise the picture fills the box and the box gives up width or
// height to keep the picture's proportions. A picture larger than the card
// size is always scaled down the same way, so it fits even with `keepActual`
// and is never stretched out of proportion. A reversed card is turned unless
// `keepStraight`.
Fit fit(const QSize &picture, const QSize &cardSize, bool keepActual, bool keepStraight,
        bool reversed);

// Larger boxes would only make a huge scaled copy of the picture.
constexpr int MaxSide = 4000;

// Reads a side length typed by the user: a whole number from 1 to MaxSide,
// blanks around it allowed.
bool parseSide(const QString &text, int &side);

} // namespace PictureBox
