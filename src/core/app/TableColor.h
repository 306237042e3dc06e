#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the settings store keeps it: 0x00BBGGRR, red in the low byte.
using TColor = quint32;

namespace TableColor {

// The table's dark green.
constexpr TColor DefaultBackColor = 1135889; // 0x115511
// The option notice's designed colour (navy) and its grey on bluish tables.
constexpr TColor Navy = 0x800000;
constexpr TColor NoticeGrey = 7829367; // 0x777777

inline int red(TColor c)
{
    return int(c & 0xFF);
}
inline int green(TColor c)
{
    return int((c >> 8) & 0xFF);
}
inline int blue(TColor c)
{
    return int((c >> 16) & 0xFF);
}

inline QColor toQColor(TColor c)
{
    return QColor(red(c), green(c), blue(c));
}
inline TColor fromQColor(const QColor &c)
{
    return TColor(c.red()) | TColor(c.green()) << 8 | TColor(c.blue()) << 16;
}

// Text needs at least this contrast ratio with the table to be read easily
// (the WCAG threshold for normal text).
constexpr double MinimumContrast = 4.5;

// The contrast ratio of two colours by the WCAG formula: from 1 (the same
// luminance) to 21 (black and white).
double contrastRatio(TColor first, TColor second);

// `preferred` where it stands out from `backColor` by MinimumContrast;
// otherwise black or white, whichever stands out more (one of them always
// reaches 4.58).
TColor legibleOn(TColor backColor, TColor preferred);

// The position labels' colour: black as designed, white where black would
// not stand out from the table.
TColor labelColorFor(TColor backColor);

// The option notice's colour: `tipColor`, or grey on a bluish table where
// `tipColor` would vanish, as long as that is legible; else black or white.
TColor noticeColorFor(TColor backColor, TColor tipColor);

} // namespace TableColor
