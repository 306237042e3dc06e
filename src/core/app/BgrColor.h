#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the settings store keeps it: one integer 0x00BBGGRR, red in the
// low byte. The stored value is kept whole, so a colour read from the settings
// is written back unchanged.
class BgrColor
{
public:
    constexpr BgrColor() = default;
    constexpr explicit BgrColor(quint32 bgr)
        : m_bgr(bgr)
    {}

    static constexpr BgrColor fromRgb(int red, int green, int blue)
    {
        return BgrColor(quint32(red & 0xFF) | quint32(green & 0xFF) << 8 |
                        quint32(blue & 0xFF) << 16);
    }
    static BgrColor fromQColor(const QColor &color)
    {
        return fromRgb(color.red(), color.green(), color.blue());
    }

    // The value as the settings store writes it.
    constexpr quint32 bgr() const { return m_bgr; }

    constexpr int red() const { return int(m_bgr & 0xFF); }
    constexpr int green() const { return int((m_bgr >> 8) & 0xFF); }
    constexpr int blue() const { return int((m_bgr >> 16) & 0xFF); }

    QColor toQColor() const { return QColor(red(), green(), blue()); }

    friend constexpr bool operator==(BgrColor a, BgrColor b) { return a.m_bgr == b.m_bgr; }
    friend constexpr bool operator!=(BgrColor a, BgrColor b) { return !(a == b); }

private:
    quint32 m_bgr = 0;
};
