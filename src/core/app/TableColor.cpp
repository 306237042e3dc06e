#include "core/app/TableColor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

// One sRGB channel made linear, as the WCAG formula asks.
double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(TColor c)
{
    using namespace TableColor;
    return 0.2126 * linear(red(c)) + 0.7152 * linear(green(c)) + 0.0722 * linear(blue(c));
}

} // namespace

double TableColor::contrastRatio(TColor first, TColor second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TColor TableColor::legibleOn(TColor backColor, TColor preferred)
{
    if (contrastRatio(preferred, backColor) >= MinimumContrast)
        return preferred;
    return contrastRatio(Black, backColor) >= contrastRatio(White, backColor) ? Black : White;
}

TColor TableColor::labelColorFor(TColor backColor)
{
    return legibleOn(backColor, Black);
}

TColor TableColor::noticeColorFor(TColor backColor, TColor tipColor)
{
    const bool bluish = blue(backColor) > green(backColor) && blue(backColor) > red(backColor);
    return legibleOn(backColor, bluish ? NoticeGrey : tipColor);
}
