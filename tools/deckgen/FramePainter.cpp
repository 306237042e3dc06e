#include "FramePainter.h"

#include "CardLayout.h"
#include "Sketch.h"
#include "core/cards/StarShape.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace {

// A rectangle whose corners step inwards twice, the frame line of Veldmere.
QPainterPath steppedRect(const QRectF &r, qreal step)
{
    const qreal s = step;
    QPolygonF outline;
    outline << QPointF(r.left() + 2 * s, r.top()) << QPointF(r.right() - 2 * s, r.top())
            << QPointF(r.right() - 2 * s, r.top() + s) << QPointF(r.right() - s, r.top() + s)
            << QPointF(r.right() - s, r.top() + 2 * s) << QPointF(r.right(), r.top() + 2 * s)
            << QPointF(r.right(), r.bottom() - 2 * s) << QPointF(r.right() - s, r.bottom() - 2 * s)
            << QPointF(r.right() - s, r.bottom() - s) << QPointF(r.right() - 2 * s, r.bottom() - s)
            << QPointF(r.right() - 2 * s, r.bottom()) << QPointF(r.left() + 2 * s, r.bottom())
            << QPointF(r.left() + 2 * s, r.bottom() - s) << QPointF(r.left() + s, r.bottom() - s)
            << QPointF(r.left() + s, r.bottom() - 2 * s) << QPointF(r.left(), r.bottom() - 2 * s)
            << QPointF(r.left(), r.top() + 2 * s) << QPointF(r.left() + s, r.top() + 2 * s)
            << QPointF(r.left() + s, r.top() + s) << QPointF(r.left() + 2 * s, r.top() + s);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QPainterPath diamond(const QPointF &centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addPolygon(
        QPolygonF({centre + QPointF(0, -ry), centre + QPointF(rx, 0), centre + QPointF(0, ry),
                   centre + QPointF(-rx, 0), centre + QPointF(0, -ry)}));
    return path;
}

QPen thinPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

} // namespace

FramePainter::FramePainter(const DeckStyle &style)
    : m_style(style)
{}

void FramePainter::paintFace(QPainter &painter, const Ink &ink) const
{
    if (m_style.look() == Look::Ardenvale)
        paintArdenvaleFace(painter, ink);
    else
        paintVeldmereFace(painter, ink);
}

void FramePainter::paintArdenvaleFace(QPainter &painter, const Ink &ink) const
{
    const QRectF card(QPointF(0, 0), CardLayout::Size);
    QLinearGradient band(card.topLeft(), card.bottomRight());
    band.setColorAt(0, ink.frame.lighter(118));
    band.setColorAt(0.5, ink.frame);
    band.setColorAt(1, ink.frame.darker(118));
    painter.fillRect(card, band);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thinPen(ink.line, 3));
    painter.drawRect(card.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(thinPen(ink.frameLine, 1.4));
    painter.drawRoundedRect(card.adjusted(9, 9, -9, -9), 6, 6);

    const Sketch sketch(painter, ink, 0.5);
    const QRectF &panel = CardLayout::Panel;
    const QPointF marks[] = {{13, 13},
                             {card.right() - 13, 13},
                             {13, card.bottom() - 13},
                             {card.right() - 13, card.bottom() - 13},
                             {card.center().x(), 9},
                             {card.center().x(), card.bottom() - 9},
                             {9, card.center().y()},
                             {card.right() - 9, card.center().y()}};
    for (const QPointF &mark : marks)
        sketch.shape(diamond(mark, 6, 6), ink.frameLine, 1.2);

    QRadialGradient parchment(panel.center(), panel.height() * 0.62);
    parchment.setColorAt(0, ink.ground);
    parchment.setColorAt(0.7, ink.ground.darker(103));
    parchment.setColorAt(1, ink.groundEdge);
    painter.setPen(thinPen(ink.line, 2.4));
    painter.setBrush(parchment);
    painter.drawRoundedRect(panel, 12, 12);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(thinPen(ink.frame, 1.2));
    painter.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 8, 8);
}

void FramePainter::paintVeldmereFace(QPainter &painter, const Ink &ink) const
{
    const QRectF card(QPointF(0, 0), CardLayout::Size);
    QRadialGradient night(card.center() - QPointF(0, 40), card.height() * 0.72);
    night.setColorAt(0, ink.ground);
    night.setColorAt(1, ink.groundEdge);
    painter.fillRect(card, night);

    // The sunburst behind the picture, faint enough to stay behind the emblem.
    const QPointF rayCentre = CardLayout::Picture.center();
    painter.save();
    painter.setClipRect(CardLayout::Panel.adjusted(8, 8, -8, -8));
    QColor ray = ink.detail;
    ray.setAlpha(34);
    painter.setPen(thinPen(ray, 1.4));
    for (int i = 0; i < 48; ++i) {
        const qreal angle = qDegreesToRadians(i * 7.5);
        const QPointF dir(qCos(angle), qSin(angle));
        painter.drawLine(rayCentre + dir * 30, rayCentre + dir * 400);
    }
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(thinPen(ink.line, 1.2));
    painter.drawRect(card.adjusted(6.5, 6.5, -6.5, -6.5));
    painter.setPen(thinPen(ink.accent, 2));
    painter.drawPath(steppedRect(card.adjusted(13, 13, -13, -13), 7));
    painter.setPen(thinPen(ink.line, 1.5));
    painter.drawPath(steppedRect(CardLayout::Panel, 8));
    QColor faint = ink.line;
    faint.setAlpha(110);
    painter.setPen(thinPen(faint, 0.8));
    painter.drawPath(steppedRect(CardLayout::Panel.adjusted(5, 5, -5, -5), 8));

    // Fans of concentric arcs in the panel's corners.
    const QRectF &panel = CardLayout::Panel;
    const struct
    {
        QPointF corner;
        int startDegrees;
    } fans[] = {{panel.topLeft() + QPointF(5, 5), 270},
                {panel.topRight() + QPointF(-5, 5), 180},
                {panel.bottomRight() + QPointF(-5, -5), 90},
                {panel.bottomLeft() + QPointF(5, -5), 0}};
    painter.setPen(thinPen(ink.accent, 1.3));
    for (const auto &fan : fans)
        for (int r = 16; r <= 32; r += 8)
            painter.drawArc(QRectF(fan.corner - QPointF(r, r), QSizeF(2 * r, 2 * r)),
                            fan.startDegrees * 16, 90 * 16);
    const Sketch sketch(painter, ink, 0.5);
    for (const QPointF &mark :
         {QPointF(card.center().x(), 13.5), QPointF(card.center().x(), card.bottom() - 13.5),
          QPointF(13.5, card.center().y()), QPointF(card.right() - 13.5, card.center().y())})
        sketch.shape(diamond(mark, 5, 8), ink.accent, 1);
}

QRectF FramePainter::paintNumeralPlate(QPainter &painter, const Ink &ink,
                                       const QString &numeral) const
{
    const QRectF &header = CardLayout::Header;
    const qreal textWidth =
        numeral.isEmpty() ? 24 : QFontMetricsF(m_style.numeralFont(28)).horizontalAdvance(numeral);
    const qreal width = qMax<qreal>(76, textWidth + 40);
    const QRectF plate(header.center().x() - width / 2, header.top() + 3, width,
                       header.height() - 6);
    const qreal y = plate.center().y();
    const Sketch sketch(painter, ink, 0.5);
    if (m_style.look() == Look::Ardenvale) {
        painter.setPen(thinPen(ink.frame, 1.4));
        for (int side = -1; side <= 1; side += 2) {
            const qreal inner = side < 0 ? plate.left() - 8 : plate.right() + 8;
            const qreal outer = side < 0 ? header.left() + 18 : header.right() - 18;
            painter.drawLine(QPointF(inner, y - 3), QPointF(outer, y - 3));
            painter.drawLine(QPointF(inner, y + 3), QPointF(outer, y + 3));
            sketch.circle({outer, y}, 4, ink.frame, 1);
        }
        painter.setPen(thinPen(ink.frame, 2.4));
        painter.setBrush(ink.fillLight);
        painter.drawRoundedRect(plate, 12, 12);
        painter.setPen(thinPen(ink.frame, 0.9));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(plate.adjusted(4, 4, -4, -4), 8, 8);
    } else {
        painter.setPen(thinPen(ink.line, 1));
        for (int side = -1; side <= 1; side += 2) {
            const qreal inner = side < 0 ? plate.left() - 6 : plate.right() + 6;
            for (int k = -1; k <= 1; ++k) {
                const qreal outer =
                    (side < 0 ? header.left() + 44 : header.right() - 44) - side * qAbs(k) * 16;
                painter.drawLine(QPointF(inner, y + k * 6), QPointF(outer, y + k * 6));
            }
        }
        const qreal tip = 14;
        QPainterPath hexagon;
        hexagon.addPolygon(QPolygonF({{plate.left(), y},
                                      {plate.left() + tip, plate.top()},
                                      {plate.right() - tip, plate.top()},
                                      {plate.right(), y},
                                      {plate.right() - tip, plate.bottom()},
                                      {plate.left() + tip, plate.bottom()},
                                      {plate.left(), y}}));
        painter.setPen(thinPen(ink.accent, 1.8));
        painter.setBrush(ink.frame);
        painter.drawPath(hexagon);
        QTransform inset;
        inset.translate(plate.center().x(), y);
        inset.scale((plate.width() - 10) / plate.width(), (plate.height() - 8) / plate.height());
        inset.translate(-plate.center().x(), -y);
        painter.setPen(thinPen(ink.line, 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(inset.map(hexagon));
    }
    if (numeral.isEmpty())
        sketch.shape(starShape(plate.center(), 8, 13, 5), ink.accent, 1);
    else
        paintFittedText(painter, plate, numeral, 28,
                        m_style.look() == Look::Ardenvale ? ink.text : ink.accent, true);
    return plate;
}

void FramePainter::paintTitlePlate(QPainter &painter, const Ink &ink, const QString &title) const
{
    const QRectF &r = CardLayout::TitlePlate;
    const qreal y = r.center().y();
    QPainterPath plate;
    QRectF textRect;
    if (m_style.look() == Look::Ardenvale) {
        plate.addPolygon(QPolygonF({r.topLeft(),
                                    r.topRight(),
                                    {r.right() - 14, y},
                                    r.bottomRight(),
                                    r.bottomLeft(),
                                    {r.left() + 14, y},
                                    r.topLeft()}));
        QLinearGradient cloth(r.topLeft(), r.bottomLeft());
        cloth.setColorAt(0, ink.fillLight);
        cloth.setColorAt(1, ink.fillLight.darker(108));
        painter.setPen(thinPen(ink.frame, 2.4));
        painter.setBrush(cloth);
        painter.drawPath(plate);
        painter.setPen(thinPen(ink.frame, 0.9));
        painter.drawLine(QPointF(r.left() + 16, r.top() + 5), QPointF(r.right() - 16, r.top() + 5));
        painter.drawLine(QPointF(r.left() + 16, r.bottom() - 5),
                         QPointF(r.right() - 16, r.bottom() - 5));
        textRect = r.adjusted(22, 0, -22, 0);
        paintFittedText(painter, textRect, title, 25, ink.text, false);
    } else {
        const qreal tip = 16;
        plate.addPolygon(QPolygonF({{r.left(), y},
                                    {r.left() + tip, r.top() + 4},
                                    {r.right() - tip, r.top() + 4},
                                    {r.right(), y},
                                    {r.right() - tip, r.bottom() - 4},
                                    {r.left() + tip, r.bottom() - 4},
                                    {r.left(), y}}));
        painter.setPen(thinPen(ink.line, 1.5));
        painter.setBrush(ink.frame);
        painter.drawPath(plate);
        painter.setPen(thinPen(ink.accent, 1));
        painter.drawLine(QPointF(r.left() + tip + 4, r.top() + 9),
                         QPointF(r.right() - tip - 4, r.top() + 9));
        painter.drawLine(QPointF(r.left() + tip + 4, r.bottom() - 9),
                         QPointF(r.right() - tip - 4, r.bottom() - 9));
        textRect = r.adjusted(tip + 8, 0, -tip - 8, 0);
        paintFittedText(painter, textRect, title, 19, ink.text, false);
    }
}

QPainterPath FramePainter::pictureWindow() const
{
    if (m_style.look() == Look::Veldmere)
        return steppedRect(CardLayout::TrumpWindow, 6);
    QPainterPath window;
    window.addRoundedRect(CardLayout::TrumpWindow, 14, 14);
    return window;
}

void FramePainter::paintWindowGround(QPainter &painter, const Ink &ink) const
{
    const QRectF &r = CardLayout::TrumpWindow;
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    if (m_style.look() == Look::Ardenvale) {
        sky.setColorAt(0, ink.fillLight);
        sky.setColorAt(1, ink.ground.darker(104));
    } else {
        QColor top = ink.detail;
        top.setAlpha(40);
        sky.setColorAt(0, top);
        sky.setColorAt(1, Qt::transparent);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawPath(pictureWindow());
}

void FramePainter::paintWindowEdge(QPainter &painter, const Ink &ink) const
{
    painter.setBrush(Qt::NoBrush);
    if (m_style.look() == Look::Ardenvale) {
        painter.setPen(thinPen(ink.frame, 3));
        painter.drawPath(pictureWindow());
        painter.setPen(thinPen(ink.line, 1));
        QPainterPath outer;
        outer.addRoundedRect(CardLayout::TrumpWindow.adjusted(-4, -4, 4, 4), 17, 17);
        painter.drawPath(outer);
    } else {
        painter.setPen(thinPen(ink.line, 1.4));
        painter.drawPath(pictureWindow());
        painter.setPen(thinPen(ink.accent, 1));
        painter.drawPath(steppedRect(CardLayout::TrumpWindow.adjusted(-4, -4, 4, 4), 6));
    }
}

void FramePainter::paintFittedText(QPainter &painter, const QRectF &rect, const QString &text,
                                   qreal pixelSize, const QColor &colour, bool numeral) const
{
    QFont font = numeral ? m_style.numeralFont(pixelSize) : m_style.titleFont(pixelSize);
    while (pixelSize > 9 && QFontMetricsF(font).horizontalAdvance(text) > rect.width() - 8) {
        pixelSize -= 1;
        font = numeral ? m_style.numeralFont(pixelSize) : m_style.titleFont(pixelSize);
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}
