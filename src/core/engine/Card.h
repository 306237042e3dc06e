#pragma once

#include <QtGlobal>

// One slot of the deck: which card lies there, where it lies in the fan on the
// table and whether it is reversed. The table owns 79 of them.
class TCard
{
public:
    // Fan coordinate of a card that has left the fan.
    static constexpr qint32 OffTable = -100;

    quint32 Number = 0;
    qint32 X = OffTable;
    qint32 Y = OffTable;
    qint32 Position = -1;
    quint8 Reversed = 0;
};
