#include "DeckStyle.h"

namespace {

// Veldmere draws line art on night blue: its surfaces are the suit colour
// thinned into the ground, opaque so that overlapping shapes do not show through.
QColor blend(const QColor &under, const QColor &over, qreal amount)
{
    return QColor::fromRgbF(under.redF() + (over.redF() - under.redF()) * amount,
                            under.greenF() + (over.greenF() - under.greenF()) * amount,
                            under.blueF() + (over.blueF() - under.blueF()) * amount);
}

Ink ardenvaleInk(const QColor &frame, const QColor &line, const QColor &fill, const QColor &light,
                 const QColor &accent, const QColor &detail, const QColor &leaf)
{
    Ink ink;
    ink.line = line;
    ink.fill = fill;
    ink.fillLight = light;
    ink.accent = accent;
    ink.detail = detail;
    ink.leaf = leaf;
    ink.shadow = line;
    ink.ground = QColor(0xf5, 0xea, 0xcc);
    ink.groundEdge = QColor(0xdf, 0xc8, 0x96);
    ink.frame = frame;
    ink.frameLine = QColor(0xf3, 0xd9, 0x8a);
    ink.text = line;
    ink.lineWidth = 2.4;
    return ink;
}

Ink veldmereInk(const QColor &suitColour)
{
    Ink ink;
    ink.ground = QColor(0x16, 0x1f, 0x4a);
    ink.groundEdge = QColor(0x09, 0x0d, 0x26);
    ink.line = QColor(0xd8, 0xdc, 0xe8);
    ink.fill = blend(ink.ground, suitColour, 0.45);
    ink.fillLight = blend(ink.ground, ink.line, 0.3);
    ink.accent = QColor(0xcf, 0x8a, 0x55);
    ink.detail = blend(ink.ground, suitColour, 0.75);
    ink.leaf = blend(ink.ground, QColor(0x7c, 0xc4, 0x96), 0.55);
    ink.shadow = QColor(0x06, 0x09, 0x1c);
    ink.frame = QColor(0x0c, 0x12, 0x30);
    ink.frameLine = ink.line;
    ink.text = QColor(0xe4, 0xe7, 0xf0);
    ink.lineWidth = 1.9;
    return ink;
}

} // namespace

DeckStyle::DeckStyle(Look look)
    : m_look(look)
{}

Ink DeckStyle::trumpInk() const
{
    if (m_look == Look::Veldmere)
        return veldmereInk(QColor(0x8f, 0xb4, 0xe8));
    Ink ink =
        ardenvaleInk(QColor(0xb8, 0x8a, 0x2e), QColor(0x3b, 0x2a, 0x17), QColor(0xa8, 0x3a, 0x26),
                     QColor(0xf7, 0xef, 0xd8), QColor(0xd8, 0xa6, 0x38), QColor(0x2f, 0x5d, 0x8a),
                     QColor(0x5b, 0x7e, 0x38));
    // Pale lines would vanish on the gold band of the trumps.
    ink.frameLine = QColor(0x5a, 0x3d, 0x12);
    return ink;
}

Ink DeckStyle::suitInk(Suit suit) const
{
    if (m_look == Look::Veldmere) {
        switch (suit) {
        case Suit::Wands:
            return veldmereInk(QColor(0xe6, 0x8c, 0x4c));
        case Suit::Cups:
            return veldmereInk(QColor(0x5c, 0xc4, 0xd2));
        case Suit::Swords:
            return veldmereInk(QColor(0xbc, 0xb4, 0xf0));
        case Suit::Pentacles:
            return veldmereInk(QColor(0x8e, 0xd0, 0x86));
        }
    }
    switch (suit) {
    case Suit::Wands:
        return ardenvaleInk(QColor(0xa3, 0x34, 0x1f), QColor(0x4e, 0x1d, 0x0f),
                            QColor(0xc9, 0x62, 0x2c), QColor(0xf6, 0xdf, 0xb4),
                            QColor(0xd9, 0x9c, 0x38), QColor(0xa3, 0x34, 0x1f),
                            QColor(0x6b, 0x8a, 0x3a));
    case Suit::Cups:
        return ardenvaleInk(QColor(0x1f, 0x5c, 0x88), QColor(0x12, 0x34, 0x50),
                            QColor(0x2a, 0x8a, 0x98), QColor(0xde, 0xee, 0xf0),
                            QColor(0xd6, 0xa6, 0x3a), QColor(0x1f, 0x5c, 0x88),
                            QColor(0x4f, 0x8a, 0x6a));
    case Suit::Swords:
        return ardenvaleInk(QColor(0x78, 0x74, 0x9c), QColor(0x30, 0x2c, 0x4c),
                            QColor(0x86, 0x74, 0xbc), QColor(0xe9, 0xea, 0xf2),
                            QColor(0xb4, 0xae, 0xc8), QColor(0x5c, 0x4e, 0x94),
                            QColor(0x6a, 0x86, 0x70));
    case Suit::Pentacles:
        return ardenvaleInk(QColor(0x4c, 0x6c, 0x30), QColor(0x2e, 0x28, 0x14),
                            QColor(0x7c, 0x55, 0x30), QColor(0xf0, 0xe4, 0xc2),
                            QColor(0xd6, 0xac, 0x40), QColor(0x3f, 0x6e, 0x32),
                            QColor(0x4f, 0x7a, 0x32));
    }
    return trumpInk();
}

QFont DeckStyle::titleFont(qreal pixelSize) const
{
    // Condensed letters let the longer titles keep the size of the short ones.
    QFont font(m_look == Look::Veldmere ? QStringLiteral("DejaVu Sans")
                                        : QStringLiteral("DejaVu Serif"));
    font.setStretch(QFont::Condensed);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(true);
    if (m_look == Look::Veldmere) {
        font.setCapitalization(QFont::AllUppercase);
        font.setLetterSpacing(QFont::PercentageSpacing, 112);
    }
    return font;
}

QFont DeckStyle::numeralFont(qreal pixelSize) const
{
    QFont font = titleFont(pixelSize);
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    font.setStretch(QFont::Unstretched);
    return font;
}
