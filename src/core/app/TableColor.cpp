#include "core/app/TableColor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr BgrColor Black(0x000000);
constexpr BgrColor White(0xFFFFFF);

// One sRGB channel made linear, as the WCAG formula asks.
double linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(BgrColor c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

} // namespace

double TableColor::contrastRatio(BgrColor first, BgrColor second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

BgrColor TableColor::legibleOn(BgrColor backColor, BgrColor preferred)
{
    if (contrastRatio(preferred, backColor) >= MinimumContrast)
        return preferred;
    return contrastRatio(Black, backColor) >= contrastRatio(White, backColor) ? Black : White;
}

BgrColor TableColor::labelColorFor(BgrColor backColor)
{
    return legibleOn(backColor, Black);
}

BgrColor TableColor::noticeColorFor(BgrColor backColor, BgrColor tipColor)
{
    const bool bluish = backColor.blue() > backColor.green() && backColor.blue() > backColor.red();
    return legibleOn(backColor, bluish ? NoticeGrey : tipColor);
}
