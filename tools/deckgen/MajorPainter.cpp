#include "MajorPainter.h"

#include "Sketch.h"
#include "SuitPip.h"
#include "core/cards/StarShape.h"

#include <QPainter>
#include <QtMath>

namespace {

QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal angle = qDegreesToRadians(degrees - 90);
    return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
}

void sunRays(const Sketch &s, const QPointF &centre, qreal inner, qreal outer, int count,
             const QColor &colour)
{
    for (int i = 0; i < count; ++i) {
        const qreal angle = i * 360.0 / count;
        const qreal reach = i % 2 == 0 ? outer : inner + (outer - inner) * 0.6;
        const qreal half = 180.0 / count * 0.55;
        s.polygon({polar(centre, inner, angle - half), polar(centre, reach, angle),
                   polar(centre, inner, angle + half)},
                  colour, 0.7);
    }
}

// A standing person: head and a bell-shaped robe, `height` from crown to hem.
void figure(const Sketch &s, const QPointF &feet, qreal height, const QColor &robe, bool armsRaised)
{
    const Ink &ink = s.ink();
    const qreal h = height;
    const QPointF neck = feet - QPointF(0, h * 0.78);
    if (armsRaised) {
        s.band(neck + QPointF(-h * 0.08, h * 0.08), neck + QPointF(-h * 0.3, -h * 0.2), h * 0.07,
               robe);
        s.band(neck + QPointF(h * 0.08, h * 0.08), neck + QPointF(h * 0.3, -h * 0.2), h * 0.07,
               robe);
    }
    QPainterPath body;
    body.moveTo(neck + QPointF(-h * 0.09, 0));
    body.cubicTo(neck + QPointF(-h * 0.2, h * 0.1), neck + QPointF(-h * 0.16, h * 0.5),
                 feet + QPointF(-h * 0.22, 0));
    body.lineTo(feet + QPointF(h * 0.22, 0));
    body.cubicTo(neck + QPointF(h * 0.16, h * 0.5), neck + QPointF(h * 0.2, h * 0.1),
                 neck + QPointF(h * 0.09, 0));
    body.closeSubpath();
    s.shape(body, robe);
    s.circle(neck - QPointF(0, h * 0.11), h * 0.11, ink.fillLight);
}

void waves(const Sketch &s, qreal top, qreal bottom, const QColor &water, int count)
{
    QPainterPath sea;
    sea.moveTo(-110, bottom);
    sea.lineTo(-110, top);
    const qreal step = 220.0 / count;
    for (int i = 0; i < count; ++i) {
        const qreal x = -110 + i * step;
        sea.quadTo(x + step / 4, top - 6, x + step / 2, top);
        sea.quadTo(x + step * 3 / 4, top + 6, x + step, top);
    }
    sea.lineTo(110, bottom);
    sea.closeSubpath();
    s.shape(sea, water);
    for (int row = 1; row <= 2; ++row) {
        const qreal y = top + row * (bottom - top) / 3;
        for (int i = 0; i < 3; ++i) {
            const qreal x = -80 + i * 60 + (row % 2) * 25;
            QPainterPath ripple;
            ripple.moveTo(x, y);
            ripple.quadTo(x + 10, y - 4, x + 20, y);
            s.stroke(ripple, s.ink().fillLight, 1.8);
        }
    }
}

void fool(const Sketch &s)
{
    const Ink &ink = s.ink();
    sunRays(s, {-58, -92}, 20, 36, 16, ink.accent);
    s.circle({-58, -92}, 20, ink.accent);
    s.polygon({{-110, 20}, {-55, -34}, {-10, 20}}, ink.detail);
    s.polygon({{-20, 20}, {40, -48}, {110, 20}}, ink.detail);
    s.polygon({{28, -34}, {40, -48}, {52, -34}, {44, -30}, {40, -36}, {34, -30}}, ink.fillLight,
              0.6);
    s.box(QRectF(-110, 20, 220, 120), ink.leaf, 0);
    s.stroke({-110, 20}, {110, 20}, ink.line, ink.lineWidth);
    s.polygon({{-74, 140}, {74, 140}, {7, 20}, {-7, 20}}, ink.fillLight);
    s.band({-48, 122}, {50, -46}, 7, ink.accent.darker(130));
    // The traveller's bundle: a spotted cloth hanging from the staff's end,
    // its corners tied in a knot.
    QPainterPath bundle;
    bundle.moveTo(44, -40);
    bundle.cubicTo(30, -30, 24, 0, 50, 4);
    bundle.cubicTo(80, 6, 76, -28, 56, -40);
    bundle.closeSubpath();
    s.shape(bundle, ink.fill);
    for (const QPointF &spot :
         {QPointF(42, -16), QPointF(58, -22), QPointF(50, -6), QPointF(64, -8), QPointF(38, -4)})
        s.circle(spot, 2.6, ink.fillLight, 0);
    s.polygon({{46, -42}, {32, -56}, {44, -52}}, ink.fill, 0.8);
    s.polygon({{54, -42}, {70, -54}, {58, -50}}, ink.fill, 0.8);
    s.ellipse({50, -42}, 7, 4.5, ink.fill.darker(120), 0.8);
}

void magician(const Sketch &s, const DeckStyle &style)
{
    const Ink &ink = s.ink();
    s.band(Sketch::lemniscate({0, -106}, 44), 7, ink.accent);
    s.band({0, -72}, {0, -4}, 8, ink.fillLight);
    s.circle({0, -74}, 7, ink.fillLight);
    s.circle({0, -2}, 7, ink.fillLight);
    QPainterPath cloth;
    cloth.moveTo(-90, 52);
    cloth.lineTo(90, 52);
    cloth.lineTo(84, 122);
    cloth.quadTo(0, 110, -84, 122);
    cloth.closeSubpath();
    s.shape(cloth, ink.fill);
    s.box(QRectF(-96, 40, 192, 14), ink.accent.darker(115));
    const Suit suits[] = {Suit::Wands, Suit::Cups, Suit::Swords, Suit::Pentacles};
    for (int i = 0; i < 4; ++i)
        SuitPip::paint(s.painter(), style.look(), suits[i], style.suitInk(suits[i]),
                       {-70.0 + i * 46.7, 16}, 44);
}

void highPriestess(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath veil;
    veil.moveTo(-50, -94);
    veil.lineTo(50, -94);
    veil.lineTo(50, 112);
    veil.lineTo(-50, 112);
    veil.closeSubpath();
    s.shape(veil, ink.detail);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2 + row % 2; ++col)
            s.circle({(row % 2 == 0 ? -16.0 : -32.0) + col * 32, -70.0 + row * 50}, 5, ink.fill,
                     0.5);
    for (int side = -1; side <= 1; side += 2) {
        const QColor stone = side < 0 ? ink.shadow : ink.fillLight;
        const qreal x = side * 70;
        s.box(QRectF(x - 15, -96, 30, 208), stone);
        s.box(QRectF(x - 21, -112, 42, 16), stone);
        s.ellipse({x - 19, -104}, 4.5, 6, stone, 0.6);
        s.ellipse({x + 19, -104}, 4.5, 6, stone, 0.6);
        s.box(QRectF(x - 21, 112, 42, 14), stone);
    }
    s.shape(Sketch::crescent({0, 70}, 34, {0, -14}), ink.fillLight);
    QPainterPath scroll;
    scroll.addRoundedRect(QRectF(-22, -40, 44, 62), 6, 6);
    s.shape(scroll, ink.fillLight);
    for (int i = 0; i < 4; ++i)
        s.stroke({-13, -26.0 + i * 12}, {13, -26.0 + i * 12}, ink.line, 1);
}

void wheatSheaf(const Sketch &s, qreal x)
{
    const Ink &ink = s.ink();
    for (int k = -1; k <= 1; ++k) {
        const QPointF top(x + k * 10, -52 + qAbs(k) * 8);
        s.stroke(QPointF(x + k * 3, 124), top, ink.leaf, 2.5);
        for (int g = 0; g < 5; ++g) {
            const QPointF grain = top + QPointF(0, -g * 9);
            s.shape(Sketch::leaf(grain, 11, 4, -28), ink.accent, 0.5);
            s.shape(Sketch::leaf(grain, 11, 4, 28), ink.accent, 0.5);
        }
    }
    s.box(QRectF(x - 12, 66, 24, 8), ink.fill, 0.7);
}

void empress(const Sketch &s)
{
    const Ink &ink = s.ink();
    wheatSheaf(s, -76);
    wheatSheaf(s, 76);
    for (int i = 0; i < 5; ++i)
        s.shape(starShape(polar({0, -20}, 100, -40 + i * 20), 5, 8, 3.2), ink.accent, 0.6);
    s.circle({0, -26}, 40, ink.fillLight);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, -26), 40, 40);
    s.band(ring, 11, ink.accent);
    s.band({0, 16}, {0, 100}, 11, ink.accent);
    s.band({-32, 58}, {32, 58}, 11, ink.accent);
    s.circle({0, -26}, 14, ink.fill);
}

void ramHorn(const Sketch &s, const QPointF &root, int side)
{
    QPainterPath horn;
    horn.moveTo(root);
    horn.cubicTo(root + QPointF(side * 30, -26), root + QPointF(side * 44, 8),
                 root + QPointF(side * 24, 14));
    horn.cubicTo(root + QPointF(side * 10, 18), root + QPointF(side * 12, 0),
                 root + QPointF(side * 22, 2));
    s.band(horn, 8, s.ink().fillLight);
}

void emperor(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{-110, 70}, {-60, -20}, {-20, 70}}, ink.detail);
    s.polygon({{20, 70}, {64, -36}, {110, 70}}, ink.detail);
    s.box(QRectF(-110, 70, 220, 70), ink.fill.darker(120), 0);
    s.stroke({-110, 70}, {110, 70}, ink.line, ink.lineWidth);
    QPainterPath back;
    back.moveTo(-52, 40);
    back.lineTo(-52, -70);
    back.quadTo(0, -104, 52, -70);
    back.lineTo(52, 40);
    back.closeSubpath();
    s.shape(back, ink.fill);
    s.box(QRectF(-42, -62, 84, 96), ink.fill.lighter(112), 0.7);
    ramHorn(s, {-46, -74}, -1);
    ramHorn(s, {46, -74}, 1);
    s.circle({-44, -78}, 8, ink.fillLight);
    s.circle({44, -78}, 8, ink.fillLight);
    s.box(QRectF(-70, 40, 140, 20), ink.accent);
    s.box(QRectF(-62, 60, 20, 62), ink.accent.darker(110));
    s.box(QRectF(42, 60, 20, 62), ink.accent.darker(110));
    s.box(QRectF(-42, 60, 84, 46), ink.fill.darker(110));
    s.circle({0, -24}, 20, ink.accent);
    s.band({-20, -24}, {20, -24}, 3, ink.fill, 0.5);
    s.band({0, -44}, {0, -60}, 4, ink.accent, 0.7);
    s.band({-7, -54}, {7, -54}, 4, ink.accent, 0.7);
}

void key(const Sketch &s, const QPointF &bow, const QPointF &tip, const QColor &metal, int side)
{
    const QPointF along = (tip - bow) / QLineF(bow, tip).length();
    const QPointF across(-along.y() * side, along.x() * side);
    s.band(bow + along * 12, tip, 6, metal);
    s.polygon({tip - along * 4, tip - along * 20, tip - along * 20 + across * 14,
               tip - along * 13 + across * 14, tip - along * 13 + across * 8,
               tip - along * 4 + across * 8},
              metal);
    QPainterPath ring;
    ring.addEllipse(bow, 13, 13);
    s.band(ring, 6, metal);
}

void hierophant(const Sketch &s)
{
    const Ink &ink = s.ink();
    key(s, {-62, 112}, {48, 18}, ink.accent, -1);
    key(s, {62, 112}, {-48, 18}, ink.fillLight, 1);
    s.band({0, -124}, {0, 70}, 11, ink.accent);
    const qreal bars[][2] = {{-100, 30}, {-76, 46}, {-52, 62}};
    for (const auto &bar : bars)
        s.band({-bar[1] / 2, bar[0]}, {bar[1] / 2, bar[0]}, 10, ink.accent);
    s.circle({0, -124}, 7, ink.accent);
    s.circle({0, 74}, 8, ink.fill);
}

void lovers(const Sketch &s)
{
    const Ink &ink = s.ink();
    sunRays(s, {0, -92}, 26, 46, 20, ink.accent);
    s.circle({0, -92}, 26, ink.accent);
    figure(s, {-50, 124}, 150, ink.fill, false);
    figure(s, {50, 124}, 150, ink.detail, false);
    s.band({-34, 20}, {-10, 34}, 7, ink.fill, 0.8);
    s.band({34, 20}, {10, 34}, 7, ink.detail, 0.8);
    s.shape(Sketch::heart({0, 2}, 32), ink.fill);
    s.shape(Sketch::heart({0, 2}, 14), ink.fillLight, 0.5);
}

void chariotWheel(const Sketch &s, const QPointF &centre)
{
    const Ink &ink = s.ink();
    s.circle(centre, 28, ink.accent);
    s.circle(centre, 20, ink.fillLight, 0.7);
    for (int i = 0; i < 4; ++i)
        s.stroke(polar(centre, 20, i * 45), polar(centre, 20, i * 45 + 180), ink.line, 2.5);
    s.circle(centre, 6, ink.accent, 0.7);
}

void chariot(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.box(QRectF(-66, -74, 9, 110), ink.accent);
    s.box(QRectF(57, -74, 9, 110), ink.accent);
    QPainterPath canopy;
    canopy.moveTo(-84, -72);
    canopy.quadTo(0, -146, 84, -72);
    for (int i = 0; i < 6; ++i) {
        const qreal x = 84 - i * 28;
        canopy.quadTo(x - 14, -56, x - 28, -72);
    }
    canopy.closeSubpath();
    s.shape(canopy, ink.detail);
    for (int i = 0; i < 5; ++i)
        s.shape(starShape({-44.0 + i * 22, -88.0 - (i % 2) * 14}, 5, 7, 2.8), ink.accent, 0.5);
    QPainterPath body;
    body.moveTo(-82, 30);
    body.lineTo(82, 30);
    body.lineTo(74, 96);
    body.lineTo(-74, 96);
    body.closeSubpath();
    s.shape(body, ink.fill);
    s.box(QRectF(-86, 24, 172, 10), ink.accent);
    s.circle({0, 62}, 12, ink.accent);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath wing;
        wing.moveTo(side * 10, 58);
        wing.cubicTo(side * 30, 44, side * 52, 46, side * 60, 52);
        wing.cubicTo(side * 46, 56, side * 40, 66, side * 10, 68);
        wing.closeSubpath();
        s.shape(wing, ink.accent, 0.8);
    }
    chariotWheel(s, {-74, 100});
    chariotWheel(s, {74, 100});
}

void scalePan(const Sketch &s, const QPointF &hook)
{
    const Ink &ink = s.ink();
    const QPointF rim = hook + QPointF(0, 62);
    s.stroke(hook, rim + QPointF(-24, 0), ink.line, 1.4);
    s.stroke(hook, rim + QPointF(24, 0), ink.line, 1.4);
    QPainterPath pan;
    pan.moveTo(rim + QPointF(-28, 0));
    pan.quadTo(rim + QPointF(0, 26), rim + QPointF(28, 0));
    pan.closeSubpath();
    s.shape(pan, ink.accent);
}

void justice(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{0, -128}, {8, -114}, {8, 60}, {-8, 60}, {-8, -114}}, ink.fillLight);
    s.stroke({0, -110}, {0, 56}, ink.line, 1.2);
    s.band({-32, 62}, {32, 62}, 10, ink.accent);
    s.box(QRectF(-6, 67, 12, 40), ink.fill);
    s.circle({0, 114}, 10, ink.accent);
    s.band({-80, -62}, {80, -62}, 7, ink.accent);
    s.circle({0, -62}, 9, ink.accent);
    s.polygon({{0, -76}, {6, -68}, {-6, -68}}, ink.accent, 0.6);
    scalePan(s, {-80, -62});
    scalePan(s, {80, -62});
}

void hermit(const Sketch &s)
{
    const Ink &ink = s.ink();
    QRadialGradient glow(QPointF(16, -8), 110);
    QColor warm = ink.accent.lighter(130);
    warm.setAlpha(150);
    glow.setColorAt(0, warm);
    warm.setAlpha(0);
    glow.setColorAt(1, warm);
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(glow);
    s.painter().drawEllipse(QPointF(16, -8), 110, 110);
    s.polygon({{-110, 140}, {-40, 76}, {-10, 96}, {30, 60}, {110, 140}}, ink.fillLight);
    s.band({-62, -112}, {-54, 128}, 8, ink.accent.darker(135));
    s.band({-58, -60}, {2, -72}, 5, ink.accent.darker(135), 0.8);
    QPainterPath ring;
    ring.addEllipse(QPointF(16, -84), 9, 9);
    s.band(ring, 4, ink.shadow, 0.5);
    s.polygon({{-4, -66}, {36, -66}, {26, -76}, {6, -76}}, ink.shadow);
    s.box(QRectF(-14, -66, 60, 8), ink.shadow);
    s.box(QRectF(-10, -58, 52, 78), ink.accent.lighter(140));
    s.shape(starShape({16, -19}, 6, 22, 11), ink.accent);
    s.circle({16, -19}, 6, ink.fillLight, 0.6);
    for (int i = 0; i < 3; ++i)
        s.stroke({-10.0 + i * 26, -58}, {-10.0 + i * 26, 20}, ink.line, 3);
    s.box(QRectF(-16, 20, 64, 9), ink.shadow);
    s.polygon({{-6, 29}, {38, 29}, {28, 40}, {4, 40}}, ink.shadow);
}

void wheel(const Sketch &s)
{
    const Ink &ink = s.ink();
    for (int i = 0; i < 4; ++i) {
        const QPointF corner(i % 2 == 0 ? -84 : 84, i < 2 ? -112 : 112);
        s.shape(starShape(corner, 4, 14, 4), ink.accent, 0.6);
    }
    s.circle({0, 0}, 96, ink.detail);
    s.circle({0, 0}, 80, ink.fillLight);
    s.circle({0, 0}, 52, ink.fill);
    for (int i = 0; i < 8; ++i) {
        s.band(polar({0, 0}, 16, i * 45), polar({0, 0}, 80, i * 45), 7, ink.accent, 0.8);
        s.circle(polar({0, 0}, 88, i * 45 + 22.5), 4.5, ink.accent, 0.6);
        s.circle(polar({0, 0}, 96, i * 45), 8, ink.accent);
    }
    s.circle({0, 0}, 20, ink.accent);
    s.circle({0, 0}, 7, ink.fill, 0.7);
}

void strength(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.band(Sketch::lemniscate({0, -110}, 36), 6, ink.accent);
    s.shape(starShape({0, 10}, 18, 92, 68), ink.fill);
    s.shape(starShape({0, 10}, 18, 76, 58, 10), ink.fill.darker(115), 0.7);
    s.circle({-40, -32}, 13, ink.accent);
    s.circle({40, -32}, 13, ink.accent);
    s.ellipse({0, 14}, 50, 58, ink.accent);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath eye;
        eye.moveTo(side * 30, -6);
        eye.quadTo(side * 20, -16, side * 10, -6);
        eye.quadTo(side * 20, -2, side * 30, -6);
        s.shape(eye, ink.fillLight, 0.7);
        s.circle({side * 20.0, -7}, 3, ink.shadow, 0);
        s.stroke({side * 36.0, -20}, {side * 12.0, -16}, ink.line, 2);
    }
    QPainterPath muzzle;
    muzzle.addEllipse(QPointF(-13, 36), 15, 12);
    muzzle.addEllipse(QPointF(13, 36), 15, 12);
    s.shape(muzzle.simplified(), ink.fillLight, 0.8);
    s.polygon({{-12, 16}, {12, 16}, {0, 30}}, ink.fill.darker(130));
    s.stroke({0, 30}, {0, 40}, ink.line, 2);
    QPainterPath mouth;
    mouth.moveTo(-14, 50);
    mouth.quadTo(0, 58, 14, 50);
    s.stroke(mouth, ink.line, 2);
}

void hangedMan(const Sketch &s)
{
    const Ink &ink = s.ink();
    const QColor wood = ink.accent.darker(140);
    s.band({-8, -104}, {-8, 130}, 16, wood);
    s.band({-88, -112}, {80, -112}, 16, wood);
    for (int i = 0; i < 3; ++i)
        s.shape(Sketch::leaf({-70.0 + i * 60, -120}, 16, 6, i * 30 - 30), ink.leaf, 0.6);
    s.band({10, -104}, {10, -88}, 3, ink.shadow, 0.5);
    s.band({-26, -58}, {10, -58}, 10, ink.detail);
    s.band({-26, -58}, {4, -26}, 10, ink.detail);
    s.band({10, -90}, {10, -24}, 11, ink.detail);
    s.band({-14, 30}, {-22, -2}, 8, ink.fill, 0.8);
    s.band({34, 30}, {42, -2}, 8, ink.fill, 0.8);
    QPainterPath body;
    body.addRoundedRect(QRectF(-12, -28, 44, 72), 12, 12);
    s.shape(body, ink.fill);
    s.stroke({10, -22}, {10, 40}, ink.accent, 3);
    sunRays(s, {10, 64}, 22, 38, 16, ink.accent);
    s.circle({10, 64}, 22, ink.accent, 0.8);
    s.circle({10, 64}, 17, ink.fillLight);
}

void rose(const Sketch &s, const QPointF &centre, qreal radius)
{
    const Ink &ink = s.ink();
    s.shape(Sketch::leaf(centre + QPointF(-radius * 0.6, radius * 0.7), radius * 1.2, radius * 0.45,
                         -120),
            ink.leaf, 0.7);
    s.shape(Sketch::leaf(centre + QPointF(radius * 0.6, radius * 0.7), radius * 1.2, radius * 0.45,
                         120),
            ink.leaf, 0.7);
    for (int i = 0; i < 5; ++i)
        s.circle(polar(centre, radius * 0.55, i * 72), radius * 0.5, ink.fillLight, 0.7);
    s.circle(centre, radius * 0.32, ink.accent, 0.6);
}

void death(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.painter().save();
    s.painter().setClipRect(QRectF(-110, -140, 220, 160));
    sunRays(s, {0, 20}, 48, 84, 18, ink.accent);
    s.circle({0, 20}, 48, ink.accent);
    s.painter().restore();
    s.box(QRectF(-110, 20, 220, 120), ink.detail, 0);
    s.stroke({-110, 20}, {110, 20}, ink.line, ink.lineWidth);
    s.band({62, 128}, {40, -120}, 7, ink.accent.darker(140));
    QPainterPath blade;
    blade.moveTo(40, -118);
    blade.cubicTo(0, -132, -50, -120, -82, -84);
    blade.cubicTo(-46, -108, 0, -112, 42, -104);
    blade.closeSubpath();
    s.shape(blade, ink.fillLight);
    s.band({46, -20}, {30, -26}, 5, ink.accent.darker(140), 0.8);
    rose(s, {-18, 80}, 30);
}

void temperance(const Sketch &s, const DeckStyle &style)
{
    const Ink &ink = s.ink();
    waves(s, 92, 140, ink.detail, 5);
    sunRays(s, {0, -118}, 12, 24, 12, ink.accent);
    s.circle({0, -118}, 12, ink.accent);
    QPainterPath stream;
    stream.moveTo(-26, -58);
    stream.cubicTo(30, -50, 46, -10, 44, 30);
    s.band(stream, 12, ink.detail);
    s.stroke(stream, ink.fillLight, 2);
    s.painter().save();
    s.painter().translate(-50, -64);
    s.painter().rotate(-50);
    SuitPip::paint(s.painter(), style.look(), Suit::Cups, ink, {0, 0}, 84);
    s.painter().restore();
    SuitPip::paint(s.painter(), style.look(), Suit::Cups, ink, {44, 54}, 84);
}

void devil(const Sketch &s)
{
    const Ink &ink = s.ink();
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath horn;
        horn.moveTo(side * 26, -110);
        horn.cubicTo(side * 44, -114, side * 60, -128, side * 62, -140);
        horn.cubicTo(side * 74, -118, side * 60, -96, side * 36, -92);
        horn.closeSubpath();
        s.shape(horn, ink.fillLight);
    }
    s.circle({0, -70}, 48, ink.shadow);
    s.circle({0, -70}, 42, ink.fill, 0.6);
    s.band(Sketch::pentagram({0, -70}, 40, true), 4, ink.accent, 0.6);
    s.box(QRectF(-46, 0, 92, 58), ink.shadow);
    s.box(QRectF(-54, -6, 108, 12), ink.shadow);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF from(side * 40, 32), to(side * 72, 104);
        for (int i = 0; i < 7; ++i) {
            const QPointF at = from + (to - from) * (i / 6.0);
            const bool across = i % 2 == 1;
            s.painter().save();
            s.painter().translate(at);
            s.painter().rotate(qRadiansToDegrees(qAtan2(to.y() - from.y(), to.x() - from.x())));
            QPainterPath link;
            link.addEllipse(QPointF(0, 0), 8, across ? 2.5 : 5);
            s.band(link, 3, ink.accent, 0.5);
            s.painter().restore();
        }
        QPainterPath shackle;
        shackle.moveTo(side * 72 - 14, 108);
        shackle.arcTo(QRectF(side * 72 - 14, 100, 28, 28), 180, 180);
        s.band(shackle, 5, ink.accent, 0.7);
    }
    s.circle({-40, 30}, 5, ink.accent, 0.6);
    s.circle({40, 30}, 5, ink.accent, 0.6);
}

void tower(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.polygon({{-110, 140}, {-64, 96}, {-30, 82}, {30, 82}, {70, 100}, {110, 140}}, ink.shadow);
    s.polygon({{-36, 90}, {36, 90}, {28, -64}, {-28, -64}}, ink.fillLight);
    for (int row = 0; row < 7; ++row)
        s.stroke({-30, -40.0 + row * 20}, {30, -40.0 + row * 20}, ink.line, 0.8);
    QPainterPath top;
    top.moveTo(-34, -62);
    top.lineTo(-34, -82);
    for (int i = 0; i < 4; ++i) {
        const qreal x = -34 + i * 17;
        top.lineTo(x + 8.5, -82);
        top.lineTo(x + 8.5, -74);
        top.lineTo(x + 17, -74);
        top.lineTo(x + 17, -82);
    }
    top.lineTo(34, -62);
    top.closeSubpath();
    s.shape(top, ink.fillLight);
    for (const QPointF &window : {QPointF(-10, -34), QPointF(10, 2), QPointF(-8, 42)}) {
        QPainterPath arch;
        arch.moveTo(window + QPointF(-6, 14));
        arch.lineTo(window + QPointF(-6, 0));
        arch.arcTo(QRectF(window + QPointF(-6, -6), QSizeF(12, 12)), 180, -180);
        arch.lineTo(window + QPointF(6, 14));
        arch.closeSubpath();
        s.shape(arch, ink.shadow);
        s.shape(Sketch::leaf(window + QPointF(14, 4), 26, 9, 50), ink.fill, 0.6);
    }
    s.painter().save();
    s.painter().translate(46, -104);
    s.painter().rotate(28);
    QPainterPath crown;
    crown.moveTo(-18, 8);
    crown.lineTo(-22, -12);
    crown.lineTo(-10, -2);
    crown.lineTo(0, -18);
    crown.lineTo(10, -2);
    crown.lineTo(22, -12);
    crown.lineTo(18, 8);
    crown.closeSubpath();
    s.shape(crown, ink.accent);
    s.painter().restore();
    s.polygon(
        {{-110, -140}, {-66, -140}, {-40, -100}, {-30, -104}, {-2, -64}, {-48, -92}, {-56, -88}},
        ink.accent);
    for (const QPointF &ember :
         {QPointF(-70, -30), QPointF(64, -20), QPointF(-58, 40), QPointF(72, 50), QPointF(56, -64)})
        s.shape(Sketch::leaf(ember, 14, 5, 180), ink.fill, 0.6);
}

void star(const Sketch &s)
{
    const Ink &ink = s.ink();
    waves(s, 70, 140, ink.detail, 4);
    const QPointF small[] = {{-76, -112}, {-86, -52}, {-72, 6}, {76, -112},
                             {86, -52},   {72, 6},    {0, 30}};
    for (const QPointF &at : small)
        s.shape(starShape(at, 8, 15, 5), ink.fillLight, 0.7);
    s.shape(starShape({0, -50}, 8, 64, 22), ink.accent);
    s.shape(starShape({0, -50}, 8, 34, 14, 22.5), ink.fillLight, 0.7);
    s.circle({0, -50}, 8, ink.accent, 0.6);
}

void moonTower(const Sketch &s, qreal x)
{
    const Ink &ink = s.ink();
    QPainterPath tower;
    tower.moveTo(x - 18, 90);
    tower.lineTo(x - 15, -4);
    tower.lineTo(x - 19, -4);
    tower.lineTo(x - 19, -16);
    for (int i = 0; i < 3; ++i) {
        const qreal left = x - 19 + i * 38.0 / 3;
        tower.lineTo(left + 6.3, -16);
        tower.lineTo(left + 6.3, -10);
        tower.lineTo(left + 12.7, -10);
        tower.lineTo(left + 12.7, -16);
    }
    tower.lineTo(x + 19, -4);
    tower.lineTo(x + 15, -4);
    tower.lineTo(x + 18, 90);
    tower.closeSubpath();
    s.shape(tower, ink.fillLight);
    s.box(QRectF(x - 4, 20, 8, 16), ink.shadow, 0.5);
}

void moon(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.box(QRectF(-110, 60, 220, 80), ink.leaf, 0);
    s.stroke({-110, 60}, {110, 60}, ink.line, ink.lineWidth);
    moonTower(s, -72);
    moonTower(s, 72);
    QPainterPath path;
    path.moveTo(-34, 130);
    path.cubicTo(-30, 100, 30, 96, 12, 76);
    path.cubicTo(-4, 64, 6, 60, 0, 50);
    path.lineTo(4, 50);
    path.cubicTo(12, 60, 6, 66, 20, 76);
    path.cubicTo(40, 96, -10, 104, 34, 130);
    path.closeSubpath();
    s.shape(path, ink.fillLight, 0.8);
    waves(s, 108, 140, ink.detail, 5);
    for (int i = 0; i < 5; ++i) {
        const QPointF drop(-40.0 + i * 20, 4 + (i % 2) * 14);
        s.shape(Sketch::leaf(drop, 12, 5, 180), ink.accent, 0.5);
    }
    sunRays(s, {0, -72}, 46, 60, 32, ink.accent);
    s.circle({0, -72}, 46, ink.fillLight);
    s.shape(Sketch::crescent({0, -72}, 42, {18, -4}), ink.accent, 0.8);
}

void sun(const Sketch &s)
{
    const Ink &ink = s.ink();
    for (int i = 0; i < 12; ++i) {
        const qreal angle = i * 30.0 + 15;
        QPainterPath wavy;
        wavy.moveTo(polar({0, -42}, 52, angle));
        wavy.cubicTo(polar({0, -42}, 64, angle + 8), polar({0, -42}, 74, angle - 8),
                     polar({0, -42}, 86, angle));
        s.band(wavy, 4, ink.accent, 0.6);
    }
    for (int i = 0; i < 12; ++i) {
        const qreal angle = i * 30.0;
        s.polygon({polar({0, -42}, 50, angle - 8), polar({0, -42}, 96, angle),
                   polar({0, -42}, 50, angle + 8)},
                  ink.accent, 0.8);
    }
    QRadialGradient disc(QPointF(-12, -54), 66);
    disc.setColorAt(0, ink.accent.lighter(135));
    disc.setColorAt(1, ink.accent);
    s.painter().setPen(QPen(ink.line, ink.lineWidth));
    s.painter().setBrush(disc);
    s.painter().drawEllipse(QPointF(0, -42), 52, 52);
    s.box(QRectF(-110, 92, 220, 48), ink.fill);
    for (int row = 0; row < 2; ++row)
        for (int i = 0; i < 6; ++i) {
            const qreal x = -100 + i * 40 + row * 20;
            s.stroke({x, 92.0 + row * 19}, {x, 111.0 + row * 19}, ink.line, 1);
        }
    s.stroke({-110, 111}, {110, 111}, ink.line, 1);
    for (int i = -1; i <= 1; ++i) {
        const QPointF head(i * 62.0, 62 - (i == 0 ? 6 : 0));
        s.stroke(head, QPointF(head.x(), 92), ink.leaf, 4);
        for (int p = 0; p < 12; ++p)
            s.shape(Sketch::leaf(head, 22, 6, p * 30.0), ink.accent.lighter(115), 0.5);
        s.circle(head, 9, ink.fill.darker(140), 0.6);
    }
}

void judgement(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath cloud;
    cloud.addEllipse(QPointF(56, -100), 44, 22);
    cloud.addEllipse(QPointF(88, -86), 28, 18);
    cloud.addEllipse(QPointF(20, -92), 28, 16);
    s.shape(cloud.simplified(), ink.fillLight);
    s.band({76, -108}, {-8, -44}, 6, ink.accent);
    QPainterPath bell;
    bell.moveTo(4, -54);
    bell.lineTo(-26, -46);
    bell.quadTo(-26, -26, -16, -20);
    bell.lineTo(-2, -44);
    bell.closeSubpath();
    s.shape(bell, ink.accent);
    s.box(QRectF(16, -66, 26, 22), ink.fillLight, 0.8);
    s.band({29, -62}, {29, -48}, 4, ink.fill, 0);
    s.band({22, -55}, {36, -55}, 4, ink.fill, 0);
    for (int i = 0; i < 5; ++i)
        s.stroke(polar({-30, -22}, 16, 200 + i * 20), polar({-30, -22}, 28, 200 + i * 20),
                 ink.accent, 2);
    const qreal xs[] = {-60, 0, 60};
    for (int i = 0; i < 3; ++i) {
        const qreal height = i == 1 ? 110 : 96;
        figure(s, {xs[i], 112}, height, i == 1 ? ink.fillLight : ink.detail, true);
        s.box(QRectF(xs[i] - 28, 96, 56, 28), ink.shadow);
    }
    waves(s, 118, 140, ink.detail, 4);
}

void world(const Sketch &s, const DeckStyle &style)
{
    const Ink &ink = s.ink();
    const Suit suits[] = {Suit::Wands, Suit::Cups, Suit::Swords, Suit::Pentacles};
    for (int i = 0; i < 4; ++i) {
        const QPointF corner(i % 2 == 0 ? -82 : 82, i < 2 ? -108 : 108);
        SuitPip::paint(s.painter(), style.look(), suits[i], style.suitInk(suits[i]), corner, 40);
    }
    constexpr int Leaves = 40;
    for (int i = 0; i < Leaves; ++i) {
        const qreal t = 2 * M_PI * i / Leaves;
        const QPointF at(66 * qCos(t), 100 * qSin(t));
        if (qAbs(at.x()) < 12)
            continue;
        const QPointF tangent(-66 * qSin(t), 100 * qCos(t));
        const qreal angle = qRadiansToDegrees(qAtan2(tangent.y(), tangent.x())) + 90 + 30;
        s.shape(Sketch::leaf(at, 26, 8, angle), ink.leaf, 0.6);
    }
    for (int end = -1; end <= 1; end += 2)
        s.band(Sketch::lemniscate({0, end * 100.0}, 22), 6, ink.fill, 0.7);
    s.circle({0, 0}, 40, ink.detail);
    s.ellipse({0, 0}, 18, 40, QColor(), 0.6);
    s.stroke({0, -40}, {0, 40}, ink.line, 1.2);
    s.stroke({-40, 0}, {40, 0}, ink.line, 1.2);
    s.stroke({-34, -20}, {34, -20}, ink.line, 1.2);
    s.stroke({-34, 20}, {34, 20}, ink.line, 1.2);
}

void master(const Sketch &s)
{
    const Ink &ink = s.ink();
    for (int i = 0; i < 36; ++i)
        s.stroke(polar({0, -36}, 74, i * 10), polar({0, -36}, i % 2 == 0 ? 100 : 88, i * 10),
                 ink.accent, 2);
    QPainterPath keyhole;
    keyhole.addEllipse(QPointF(0, -36), 64, 64);
    QPainterPath foot;
    foot.moveTo(-26, 10);
    foot.lineTo(-52, 124);
    foot.lineTo(52, 124);
    foot.lineTo(26, 10);
    foot.closeSubpath();
    keyhole = keyhole.united(foot);
    s.shape(keyhole, ink.detail.darker(150), 1.4);
    QPainterPath eye;
    eye.moveTo(-48, -36);
    eye.quadTo(0, -80, 48, -36);
    eye.quadTo(0, 8, -48, -36);
    s.shape(eye, ink.fillLight);
    s.circle({0, -36}, 19, ink.accent);
    s.circle({0, -36}, 8, ink.shadow, 0);
    s.circle({-6, -42}, 3.5, ink.fillLight, 0);
    QPainterPath beam;
    beam.moveTo(-8, 4);
    beam.lineTo(8, 4);
    beam.lineTo(30, 118);
    beam.lineTo(-30, 118);
    beam.closeSubpath();
    QColor light = ink.accent;
    light.setAlpha(90);
    s.shape(beam, light, 0);
    s.shape(starShape({0, 84}, 8, 14, 5), ink.accent, 0.7);
}

} // namespace

MajorPainter::MajorPainter(const DeckStyle &style)
    : m_style(style)
{}

void MajorPainter::paint(QPainter &painter, int number) const
{
    const Sketch s(painter, m_style.trumpInk());
    switch (number) {
    case 0:
        return fool(s);
    case 1:
        return magician(s, m_style);
    case 2:
        return highPriestess(s);
    case 3:
        return empress(s);
    case 4:
        return emperor(s);
    case 5:
        return hierophant(s);
    case 6:
        return lovers(s);
    case 7:
        return chariot(s);
    case 8:
        return justice(s);
    case 9:
        return hermit(s);
    case 10:
        return wheel(s);
    case 11:
        return strength(s);
    case 12:
        return hangedMan(s);
    case 13:
        return death(s);
    case 14:
        return temperance(s, m_style);
    case 15:
        return devil(s);
    case 16:
        return tower(s);
    case 17:
        return star(s);
    case 18:
        return moon(s);
    case 19:
        return sun(s);
    case 20:
        return judgement(s);
    case 21:
        return world(s, m_style);
    default:
        return master(s);
    }
}
