#include "SuitPip.h"

#include "Sketch.h"
#include "core/cards/StarShape.h"

#include <QPainter>
#include <QtMath>

// Pips are drawn in a box of 100 units, from -50 to 50 each way.
namespace {

void ardenvaleWand(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.shape(Sketch::leaf({-6, -26}, 26, 10, -52), ink.leaf);
    s.shape(Sketch::leaf({6, 0}, 24, 9, 50), ink.leaf);
    s.shape(Sketch::leaf({-7, 24}, 20, 8, -56), ink.leaf);
    QPainterPath staff;
    staff.moveTo(-7, -44);
    staff.quadTo(0, -49, 7, -44);
    staff.lineTo(10, 44);
    staff.quadTo(0, 50, -10, 44);
    staff.closeSubpath();
    s.shape(staff, ink.accent);
    s.stroke({-2, -36}, {-3, 38}, ink.accent.darker(125), 1.5);
    s.ellipse({8.5, -12}, 4, 3, ink.accent.darker(115));
    s.ellipse({-9, 14}, 4, 3, ink.accent.darker(115));
    s.ellipse({0, -44}, 7, 2.8, ink.fillLight, 0.7);
}

void ardenvaleCup(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath foot;
    foot.moveTo(-6, 30);
    foot.cubicTo(-8, 38, -22, 40, -25, 44);
    foot.lineTo(25, 44);
    foot.cubicTo(22, 40, 8, 38, 6, 30);
    foot.closeSubpath();
    s.shape(foot, ink.accent);
    s.ellipse({0, 44}, 25, 4.5, ink.accent);
    s.box(QRectF(-4, 4, 8, 27), ink.accent);
    s.ellipse({0, 18}, 9, 4.5, ink.fill);
    QPainterPath bowl;
    bowl.moveTo(-31, -36);
    bowl.cubicTo(-31, -8, -17, 7, 0, 7);
    bowl.cubicTo(17, 7, 31, -8, 31, -36);
    bowl.closeSubpath();
    s.shape(bowl, ink.accent);
    QPainterPath band;
    band.moveTo(-29, -22);
    band.quadTo(0, -14, 29, -22);
    s.stroke(band, ink.fill, 3.5);
    s.circle({0, -8}, 4.5, ink.fill, 0.7);
    s.ellipse({0, -36}, 31, 7, ink.detail);
}

void ardenvaleSword(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{0, -49}, {7.5, -37}, {7.5, 17}, {-7.5, 17}, {-7.5, -37}}, ink.fillLight);
    s.stroke({0, -36}, {0, 12}, ink.line, 1.2);
    QPainterPath guard;
    guard.moveTo(-27, 12);
    guard.quadTo(0, 22, 27, 12);
    s.band(guard, 6.5, ink.accent);
    s.circle({-27, 12}, 4, ink.accent);
    s.circle({27, 12}, 4, ink.accent);
    s.box(QRectF(-4, 21, 8, 19), ink.fill);
    s.stroke({-4, 27}, {4, 25}, ink.line, 1);
    s.stroke({-4, 33}, {4, 31}, ink.line, 1);
    s.circle({0, 44}, 6, ink.accent);
}

void ardenvalePentacle(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.circle({0, 0}, 47, ink.accent);
    s.circle({0, 0}, 39, ink.fillLight, 0.7);
    QPainterPath star = starShape({0, 0}, 5, 37, 14.1);
    s.shape(star, ink.detail, 0.8);
    s.circle({0, 0}, 5, ink.accent, 0.6);
}

void veldmereWand(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.box(QRectF(-4.5, -24, 9, 68), ink.fillLight);
    s.polygon({{0, 43}, {6, 48}, {0, 53}, {-6, 48}}, ink.accent);
    s.polygon({{0, -51}, {13, -36}, {0, -21}, {-13, -36}}, ink.detail);
    s.stroke({0, -47}, {0, -25}, ink.line, 1.2);
    s.box(QRectF(-8.5, -17, 17, 5), ink.accent);
    s.box(QRectF(-8.5, -9, 17, 4), ink.accent, 0.7);
    s.box(QRectF(-8.5, 30, 17, 5), ink.accent);
    s.stroke({-15, -44}, {-21, -50}, ink.detail, 2);
    s.stroke({15, -44}, {21, -50}, ink.detail, 2);
}

void veldmereCup(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{-12, 38}, {12, 38}, {8, 30}, {-8, 30}}, ink.accent);
    s.box(QRectF(-22, 38, 44, 7), ink.fill);
    s.box(QRectF(-2.8, 2, 5.6, 28), ink.fillLight);
    s.polygon({{-31, -42}, {31, -42}, {14, 2}, {-14, 2}}, ink.fill);
    s.stroke({-26.5, -30}, {26.5, -30}, ink.detail, 2);
    s.stroke({-21.5, -17}, {21.5, -17}, ink.detail, 2);
    s.stroke({-16.5, -4}, {16.5, -4}, ink.detail, 2);
    s.box(QRectF(-34, -47, 68, 5), ink.accent);
}

void veldmereSword(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{0, -50}, {5.5, -40}, {5.5, 14}, {-5.5, 14}, {-5.5, -40}}, ink.fillLight);
    s.stroke({0, -40}, {0, 10}, ink.detail, 1.2);
    s.polygon({{-26, 12}, {26, 12}, {26, 16}, {12, 16}, {12, 21}, {-12, 21}, {-12, 16}, {-26, 16}},
              ink.accent);
    s.box(QRectF(-3, 21, 6, 17), ink.fill);
    QPolygonF pommel;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = qDegreesToRadians(60.0 * i);
        pommel << QPointF(6.5 * qCos(angle), 44 + 6.5 * qSin(angle));
    }
    s.polygon(pommel, ink.accent);
}

void veldmerePentacle(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.circle({0, 0}, 46, ink.fill);
    for (int i = 0; i < 20; ++i) {
        const qreal angle = qDegreesToRadians(18.0 * i);
        const QPointF dir(qCos(angle), qSin(angle));
        s.stroke(dir * 39.5, dir * 44, ink.accent, 2.2);
    }
    s.circle({0, 0}, 37, QColor(), 0.8);
    s.stroke(Sketch::pentagram({0, 0}, 35, false), ink.detail, 2.6);
    s.circle({0, 0}, 4, ink.accent, 0.6);
}

} // namespace

void SuitPip::paint(QPainter &painter, Look look, Suit suit, const Ink &ink, const QPointF &centre,
                    qreal height)
{
    const qreal scale = height / 100;
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    // Lines thicken with the pip, but more slowly, so that an ace stays crisp
    // and a small pip keeps its outline.
    const Sketch sketch(painter, ink, 1.35 / qSqrt(scale));
    const bool ardenvale = look == Look::Ardenvale;
    switch (suit) {
    case Suit::Wands:
        ardenvale ? ardenvaleWand(sketch) : veldmereWand(sketch);
        break;
    case Suit::Cups:
        ardenvale ? ardenvaleCup(sketch) : veldmereCup(sketch);
        break;
    case Suit::Swords:
        ardenvale ? ardenvaleSword(sketch) : veldmereSword(sketch);
        break;
    case Suit::Pentacles:
        ardenvale ? ardenvalePentacle(sketch) : veldmerePentacle(sketch);
        break;
    }
    painter.restore();
}
