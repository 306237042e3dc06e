#pragma once

#include "core/spreads/Spread.h"

// A spread of `positions` positions, the first `significators` of them
// significators, explained as `prefix` followed by the position's index.
inline Spread spreadWith(int positions, int significators,
                         const QByteArray &prefix = QByteArrayLiteral("E"))
{
    Spread spread;
    spread.positionCount = positions;
    spread.significatorCount = significators;
    for (int i = 0; i < positions; ++i) {
        spread.isSignificator[i] = i < significators;
        spread.explanation[i] = prefix + QByteArray::number(i);
    }
    return spread;
}
