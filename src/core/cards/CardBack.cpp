#include "core/cards/CardBack.h"

#include "core/cards/StarShape.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor Green(0x11, 0x55, 0x11);
const QColor GreenLight(0x1c, 0x6c, 0x1c);
const QColor GreenDeep(0x0a, 0x3c, 0x0a);
const QColor Gold(0xd4, 0xaf, 0x4a);
const QColor GoldPale(0xf0, 0xd8, 0x8c);

// Diagonal lines through the centre in both directions, so the lattice is
// the same after a half turn. The painter clips to `area`; lines and dots
// that lie wholly outside it are skipped, since they would leave no pixel.
void paintLattice(QPainter &painter, const QRectF &area, qreal cellWidth, qreal line)
{
    const QPointF c = area.center();
    const qreal cellHeight = cellWidth * 1.6;
    const qreal slope = cellHeight / cellWidth;
    const int reach = int(qCeil((area.width() + area.height() / slope) / cellWidth)) + 1;
    QColor colour = Gold;
    colour.setAlpha(120);
    painter.setPen(QPen(colour, line));
    const qreal spanY = area.height();
    // How far from the centre a line may cross the middle and still touch the area.
    const qreal lineReach = (area.width() + area.height() / slope) / 2 + line * 2;
    for (int k = -reach; k <= reach; ++k) {
        const qreal x = c.x() + k * cellWidth;
        if (qAbs(x - c.x()) > lineReach)
            continue;
        const qreal dx = spanY / slope;
        painter.drawLine(QPointF(x - dx, c.y() - spanY), QPointF(x + dx, c.y() + spanY));
        painter.drawLine(QPointF(x + dx, c.y() - spanY), QPointF(x - dx, c.y() + spanY));
    }
    colour.setAlpha(170);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal radius = line * 1.2;
    const QRectF dotArea = area.adjusted(-radius * 2, -radius * 2, radius * 2, radius * 2);
    const int rows = int(qCeil(area.height() / cellHeight)) + 1;
    for (int row = -rows; row <= rows; ++row)
        for (int k = -reach; k <= reach; ++k) {
            const QPointF dot(c.x() + (k + 0.5) * cellWidth, c.y() + row * cellHeight);
            if (dotArea.contains(dot))
                painter.drawEllipse(dot, radius, radius);
        }
}

QPainterPath circle(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void paintMedallion(QPainter &painter, const QPointF &centre, qreal radius, qreal line)
{
    for (const CardBack::EmblemLayer &layer : CardBack::emblem(centre, radius, line)) {
        painter.setPen(layer.outline.isValid() ? QPen(layer.outline, layer.outlineWidth)
                                               : QPen(Qt::NoPen));
        painter.setBrush(layer.fill.isValid() ? QBrush(layer.fill) : QBrush(Qt::NoBrush));
        painter.drawPath(layer.shape);
    }
}

// Makes the lower half the upper half turned, pixel for pixel: antialiasing
// can round the two halves of a drawing differently, and a reversed card
// must not give itself away by its back.
void makeHalfTurnSymmetric(QImage &image)
{
    const QImage turned = image.mirrored(true, true);
    const int w = image.width();
    const int h = image.height();
    const int half = h / 2;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(0, h - half, w, half), turned, QRect(0, h - half, w, half));
    if (h % 2 == 1) {
        const int middle = half;
        painter.drawImage(QRect(w - w / 2, middle, w / 2, 1), turned,
                          QRect(w - w / 2, middle, w / 2, 1));
    }
}

} // namespace

QList<CardBack::EmblemLayer> CardBack::emblem(const QPointF &centre, qreal radius, qreal line)
{
    return {
        {circle(centre, radius), GreenDeep, Gold, line * 1.6},
        {circle(centre, radius * 0.84), QColor(), Gold, line * 0.8},
        {starShape(centre, 8, radius * 0.74, radius * 0.3), Gold, GreenDeep, line * 0.6},
        {starShape(centre, 4, radius * 0.42, radius * 0.16), GoldPale, GreenDeep, line * 0.6},
        {circle(centre, radius * 0.12), Green, QColor(), 0},
    };
}

QImage CardBack::render(const QSize &logicalSize, qreal devicePixelRatio)
{
    // The design is laid out by the picture's own size, so it is drawn at
    // the device pixels outright rather than scaled.
    QImage marked = render(logicalSize * devicePixelRatio);
    marked.setDevicePixelRatio(devicePixelRatio);
    return marked;
}

QImage CardBack::render(const QSize &size)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    const QRectF card(QPointF(0, 0), size);
    const qreal unit = qMin(card.width(), card.height());
    const qreal line = qMax<qreal>(0.8, unit * 0.012);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient felt(card.center(), qMax(card.width(), card.height()) * 0.62);
    felt.setColorAt(0, GreenLight);
    felt.setColorAt(0.6, Green);
    felt.setColorAt(1, GreenDeep);
    painter.fillRect(card, felt);

    const qreal margin = unit * 0.06;
    const QRectF frame = card.adjusted(margin, margin, -margin, -margin);
    const qreal corner = unit * 0.08;
    const QRectF inner = frame.adjusted(line * 3, line * 3, -line * 3, -line * 3);
    QPainterPath innerPath;
    innerPath.addRoundedRect(inner, corner * 0.7, corner * 0.7);

    painter.save();
    painter.setClipPath(innerPath);
    paintLattice(painter, inner, inner.width() / 6, line);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Gold, line * 1.8));
    painter.drawRoundedRect(frame, corner, corner);
    painter.setPen(QPen(Gold, line * 0.8));
    painter.drawPath(innerPath);

    const qreal inset = corner * 0.9 + line * 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(GoldPale);
    for (const QPointF &at :
         {inner.topLeft() + QPointF(inset, inset), inner.topRight() + QPointF(-inset, inset),
          inner.bottomLeft() + QPointF(inset, -inset),
          inner.bottomRight() + QPointF(-inset, -inset)})
        painter.drawPath(starShape(at, 4, unit * 0.05, unit * 0.016));

    paintMedallion(painter, card.center(), unit * 0.26, line);

    // A pale edge keeps backs apart where they lie stacked or fanned.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GoldPale, 1));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.end();

    makeHalfTurnSymmetric(image);
    return image;
}

CardBack::Pending::Pending(const QSize &logicalSize, qreal devicePixelRatio)
    : m_drawing(std::async(std::launch::async, [logicalSize, devicePixelRatio] {
        return render(logicalSize, devicePixelRatio);
    }))
{}

const QImage &CardBack::Pending::image()
{
    if (m_drawing.valid())
        m_image = m_drawing.get();
    return m_image;
}
