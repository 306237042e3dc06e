#pragma once

#include "core/spreads/Spread.h"

// A spread of `positions` positions, the first `significators` of them
// significators, explained as `prefix` followed by the position's index.
inline Spread spreadWith(int positions, int significators,
                         const QByteArray &prefix = QByteArrayLiteral("E"))
{
    Spread spread;
    for (int i = 0; i < positions; ++i)
        spread.positions.append({QPoint(), prefix + QByteArray::number(i), i < significators});
    return spread;
}

// Moves the positions of `spread` to `places`, in order, adding positions
// where there are more places.
inline void placeAt(Spread &spread, const QList<QPoint> &places)
{
    if (spread.positions.size() < places.size())
        spread.positions.resize(places.size());
    for (qsizetype i = 0; i < places.size(); ++i)
        spread.positions[i].place = places.at(i);
}
