#pragma once

#include "core/app/BgrColor.h"

// The table's colours and the contrast rules that keep text legible on it.
namespace TableColor {

// The table's dark green.
constexpr BgrColor DefaultBackColor(0x115511);
// The option notice's designed colour (navy) and its grey on bluish tables.
constexpr BgrColor Navy(0x800000);
constexpr BgrColor NoticeGrey(0x777777);

// Text needs at least this contrast ratio with the table to be read easily
// (the WCAG threshold for normal text).
constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours by the WCAG formula: from 1 (the same
// luminance) to 21 (black and white).
double contrastRatio(BgrColor first, BgrColor second);

// `preferred` where it stands out from `backColor` by MinimumContrast;
// otherwise black or white, whichever stands out more (one of them always
// reaches 4.58).
BgrColor legibleOn(BgrColor backColor, BgrColor preferred);

// The position labels' colour: black as designed, white where black would
// not stand out from the table.
BgrColor labelColorFor(BgrColor backColor);

// The option notice's colour: `tipColor`, or grey on a bluish table where
// `tipColor` would vanish, as long as that is legible; else black or white.
BgrColor noticeColorFor(BgrColor backColor, BgrColor tipColor);

} // namespace TableColor
