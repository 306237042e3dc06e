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

// Text drawn in `tipColor` vanishes on a bluish table; such tables get grey.
inline TColor noticeColorFor(TColor backColor, TColor tipColor)
{
    const bool bluish = blue(backColor) > green(backColor) && blue(backColor) > red(backColor);
    return bluish ? NoticeGrey : tipColor;
}

} // namespace TableColor
