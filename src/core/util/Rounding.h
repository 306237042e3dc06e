#pragma once

#include <cmath>

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the rounding every layout formula of the table relies on.
inline int roundHalfEven(double value)
{
    const double floored = std::floor(value);
    const double fraction = value - floored;
    if (fraction > 0.5)
        return int(floored) + 1;
    if (fraction < 0.5)
        return int(floored);
    const int lower = int(floored);
    return lower % 2 == 0 ? lower : lower + 1;
}
