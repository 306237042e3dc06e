#pragma once

#include <QtGlobal>

// One slot of the deck: which card lies there, where it lies in the fan on the
// table and whether it is reversed. The table owns 79 of them.
class Card
{
public:
    // Fan coordinate of a card that has left the fan.
    static constexpr qint32 OffTable = -100;

    quint32 number = 0;
    qint32 x = OffTable;
    qint32 y = OffTable;
    quint8 reversed = 0;

    // Size of a card lying in the fan, face down.
    static constexpr int FanWidth = 58;
    static constexpr int FanHeight = 98;

    // Whether the table point (pointX, pointY) lies on this card in the fan;
    // the left and top edges belong to the card, the right and bottom ones do
    // not.
    bool hitTest(int pointX, int pointY) const
    {
        return x <= pointX && pointX < x + FanWidth && y <= pointY && pointY < y + FanHeight;
    }
    // Only cards inside the table's top-left corner are painted.
    bool isPainted() const { return x > 0 && y > 0; }
};
