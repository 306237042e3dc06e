#include "CourtPainter.h"

#include "Sketch.h"
#include "SuitPip.h"
#include "core/cards/StarShape.h"

#include <QPainter>

namespace {

enum Rank
{
    Page = 11,
    Knight,
    Queen,
    King
};

void pageCap(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath plume;
    plume.moveTo(22, -76);
    plume.cubicTo(10, -110, -30, -128, -66, -122);
    plume.cubicTo(-40, -112, -10, -96, 8, -70);
    plume.closeSubpath();
    s.shape(plume, ink.fillLight);
    QPainterPath quill;
    quill.moveTo(14, -74);
    quill.cubicTo(0, -104, -30, -118, -60, -120);
    s.stroke(quill, ink.line, 1.4);
    QPainterPath crown;
    crown.moveTo(-46, -56);
    crown.cubicTo(-50, -92, 40, -104, 48, -60);
    crown.closeSubpath();
    s.shape(crown, ink.fill);
    s.ellipse({0, -55}, 56, 11, ink.detail);
    s.circle({24, -74}, 6, ink.accent);
}

void pageScroll(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.box(QRectF(-62, 104, 124, 20), ink.fillLight);
    s.ellipse({-64, 114}, 6, 11, ink.fillLight);
    s.ellipse({64, 114}, 6, 11, ink.fillLight);
    s.stroke({-44, 111}, {44, 111}, ink.line, 1);
    s.stroke({-44, 117}, {30, 117}, ink.line, 1);
}

void knightHelm(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath mantling;
    mantling.moveTo(-24, -70);
    mantling.cubicTo(-60, -72, -80, -50, -70, -30);
    mantling.cubicTo(-62, -44, -50, -44, -40, -40);
    mantling.lineTo(40, -40);
    mantling.cubicTo(50, -44, 62, -44, 70, -30);
    mantling.cubicTo(80, -50, 60, -72, 24, -70);
    mantling.closeSubpath();
    s.shape(mantling, ink.fill);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath feather;
        feather.moveTo(side * 4, -112);
        feather.cubicTo(side * 8, -134, side * 40, -136, side * 52, -120);
        feather.cubicTo(side * 34, -124, side * 18, -118, side * 10, -106);
        feather.closeSubpath();
        s.shape(feather, side < 0 ? ink.detail : ink.fillLight);
    }
    QPainterPath helm;
    helm.moveTo(-30, -42);
    helm.lineTo(-30, -96);
    helm.quadTo(0, -120, 30, -96);
    helm.lineTo(30, -42);
    helm.closeSubpath();
    s.shape(helm, ink.fillLight);
    s.box(QRectF(-26, -86, 52, 7), ink.shadow, 0.5);
    s.box(QRectF(-3, -110, 6, 66), ink.accent, 0.7);
    for (int row = 0; row < 2; ++row)
        for (int col = -2; col <= 2; col += 4)
            s.circle({col * 4.5, -66.0 + row * 9}, 2, ink.shadow, 0);
}

void knightLance(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.band({-78, 124}, {78, -112}, 6, ink.accent);
    QPainterPath pennant;
    pennant.moveTo(70, -100);
    pennant.lineTo(94, -86);
    pennant.lineTo(80, -78);
    pennant.lineTo(96, -64);
    pennant.lineTo(58, -72);
    pennant.closeSubpath();
    s.shape(pennant, ink.detail);
    s.polygon({{78, -112}, {86, -126}, {84, -108}}, ink.fillLight);
}

void queenVeil(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath veil;
    veil.moveTo(-40, -60);
    veil.cubicTo(-70, -40, -92, 40, -96, 116);
    for (int i = 0; i < 6; ++i) {
        const qreal x = -96 + i * 32;
        veil.quadTo(x + 16, 104, x + 32, 116);
    }
    veil.cubicTo(92, 40, 70, -40, 40, -60);
    veil.closeSubpath();
    s.shape(veil, ink.fillLight);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath fold;
        fold.moveTo(side * 52, -30);
        fold.cubicTo(side * 68, 20, side * 74, 70, side * 74, 110);
        s.stroke(fold, ink.line, 1);
        fold = QPainterPath();
        fold.moveTo(side * 62, 0);
        fold.cubicTo(side * 78, 40, side * 86, 80, side * 88, 112);
        s.stroke(fold, ink.line, 1);
    }
}

void queenCrown(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath crown;
    crown.moveTo(-44, -48);
    crown.lineTo(-50, -88);
    for (int i = 0; i < 5; ++i) {
        const qreal x = -50 + i * 25;
        crown.quadTo(x + 6, -70, x + 12.5, -74);
        crown.quadTo(x + 19, -70, x + 25, -88);
    }
    crown.lineTo(44, -48);
    crown.closeSubpath();
    s.shape(crown, ink.accent);
    for (int i = 0; i <= 4; ++i)
        s.circle({-50.0 + i * 25, -92}, 5.5, ink.fillLight);
    s.circle({0, -112}, 10, ink.detail);
    s.stroke({0, -122}, {0, -132}, ink.line, 2);
    s.stroke({-5, -128}, {5, -128}, ink.line, 2);
    s.box(QRectF(-46, -60, 92, 12), ink.fill);
    for (int i = -1; i <= 1; ++i)
        s.ellipse({i * 26.0, -54}, 4, 3.5, ink.fillLight, 0.6);
}

void kingSceptre(const Sketch &s)
{
    const Ink &ink = s.ink();
    s.band({-80, 120}, {70, -100}, 7, ink.accent);
    s.circle({74, -106}, 9, ink.accent);
    s.shape(starShape({74, -106}, 4, 20, 6, 45), ink.accent, 0.8);
    s.circle({74, -106}, 5, ink.detail, 0.6);
    s.circle({-82, 123}, 6, ink.accent);
}

void kingCrown(const Sketch &s)
{
    const Ink &ink = s.ink();
    QPainterPath arches;
    arches.moveTo(-46, -64);
    arches.cubicTo(-46, -104, -8, -110, 0, -110);
    arches.cubicTo(8, -110, 46, -104, 46, -64);
    arches.closeSubpath();
    s.shape(arches, ink.fill);
    s.stroke({0, -108}, {0, -64}, ink.accent, 5);
    s.circle({0, -114}, 7, ink.accent);
    s.band({0, -121}, {0, -134}, 4, ink.accent, 0.7);
    s.band({-6, -128}, {6, -128}, 4, ink.accent, 0.7);
    QPainterPath points;
    points.moveTo(-50, -46);
    points.lineTo(-54, -80);
    points.lineTo(-36, -64);
    points.lineTo(-18, -88);
    points.lineTo(0, -66);
    points.lineTo(18, -88);
    points.lineTo(36, -64);
    points.lineTo(54, -80);
    points.lineTo(50, -46);
    points.closeSubpath();
    s.shape(points, ink.accent);
    for (int x : {-54, -18, 18, 54})
        s.circle({qreal(x), x == -54 || x == 54 ? -82.0 : -90.0}, 4.5, ink.fillLight);
    s.box(QRectF(-50, -58, 100, 13), ink.accent);
    for (int i = -2; i <= 2; ++i)
        s.circle({i * 20.0, -51.5}, 3.5, i % 2 == 0 ? ink.fill : ink.detail, 0.6);
}

} // namespace

CourtPainter::CourtPainter(Look look)
    : m_look(look)
{}

void CourtPainter::shield(const Sketch &sketch, Suit suit) const
{
    const Ink &ink = sketch.ink();
    QPainterPath outline;
    if (m_look == Look::Ardenvale) {
        outline.moveTo(-62, -42);
        outline.lineTo(62, -42);
        outline.lineTo(62, 30);
        outline.cubicTo(62, 70, 30, 92, 0, 108);
        outline.cubicTo(-30, 92, -62, 70, -62, 30);
        outline.closeSubpath();
    } else {
        outline.addPolygon(QPolygonF({{-50, -42},
                                      {50, -42},
                                      {62, -30},
                                      {62, 50},
                                      {0, 108},
                                      {-62, 50},
                                      {-62, -30},
                                      {-50, -42}}));
    }
    sketch.shape(outline, ink.accent, 1.2);
    QTransform inset;
    inset.translate(0, 6);
    inset.scale(0.86, 0.86);
    sketch.shape(inset.map(outline), ink.ground.lighter(m_look == Look::Ardenvale ? 103 : 130),
                 0.8);
    SuitPip::paint(sketch.painter(), m_look, suit, ink, {0, 26}, 104);
}

void CourtPainter::paint(QPainter &painter, Suit suit, int rank, const Ink &ink) const
{
    const Sketch sketch(painter, ink);
    switch (rank) {
    case Page:
        shield(sketch, suit);
        pageScroll(sketch);
        pageCap(sketch);
        break;
    case Knight:
        knightLance(sketch);
        shield(sketch, suit);
        knightHelm(sketch);
        break;
    case Queen:
        queenVeil(sketch);
        shield(sketch, suit);
        queenCrown(sketch);
        break;
    default:
        kingSceptre(sketch);
        shield(sketch, suit);
        kingCrown(sketch);
        break;
    }
}
