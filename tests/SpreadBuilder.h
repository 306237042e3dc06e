#pragma once

#include "spreads/SpParser.h"

// A spread of `positions` positions, the first `significators` of them
// significators, explained as `prefix` followed by the position's index.
inline TSpreadParser spreadWith(int positions, int significators,
                                const QByteArray &prefix = QByteArrayLiteral("E"))
{
    TSpreadParser spread;
    spread.PositionCount = positions;
    spread.SignificatorCount = significators;
    for (int i = 0; i < positions; ++i) {
        spread.IsSignificator[i] = i < significators;
        spread.Explanation[i] = prefix + QByteArray::number(i);
    }
    return spread;
}
