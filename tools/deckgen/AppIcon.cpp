#include "AppIcon.h"

#include "core/cards/CardBack.h"
#include "core/util/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>

namespace {

// The icon is drawn on a square of this many units; the SVG keeps them as
// its view box and the PNGs scale them to their size.
constexpr qreal Units = 256;

const QColor Tile(0x11, 0x55, 0x11);
const QColor Rim(0xd4, 0xaf, 0x4a);

// The tile and the medallion, bottom layer first.
QList<CardBack::EmblemLayer> layers()
{
    const qreal line = Units * 0.012;
    QPainterPath tile;
    const qreal inset = Units * 0.04;
    tile.addRoundedRect(QRectF(inset, inset, Units - 2 * inset, Units - 2 * inset), Units * 0.16,
                        Units * 0.16);
    QList<CardBack::EmblemLayer> all{{tile, Tile, Rim, line * 2.5}};
    // The medallion fills the tile, with lines heavier than on a card so
    // that they still show at 16 pixels.
    all += CardBack::emblem(QPointF(Units / 2, Units / 2), Units * 0.36, line * 1.6);
    return all;
}

QString number(qreal value)
{
    return QString::number(value, 'f', 2);
}

// The path as SVG path data.
QString svgPath(const QPainterPath &path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0)
                data += QStringLiteral("Z");
            data += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            i += 2;
        }
    }
    return data + QStringLiteral("Z");
}

QString svgColour(const QColor &colour)
{
    return colour.isValid() ? colour.name() : QStringLiteral("none");
}

QByteArray svg()
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                  "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                       .arg(int(Units));
    for (const CardBack::EmblemLayer &layer : layers()) {
        text += QStringLiteral("  <path d=\"%1\" fill=\"%2\" stroke=\"%3\"")
                    .arg(svgPath(layer.shape), svgColour(layer.fill), svgColour(layer.outline));
        if (layer.outline.isValid())
            text += QStringLiteral(" stroke-width=\"%1\"").arg(number(layer.outlineWidth));
        text += QStringLiteral("/>\n");
    }
    return (text + QStringLiteral("</svg>\n")).toUtf8();
}

QByteArray png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Units, size / Units);
    for (const CardBack::EmblemLayer &layer : layers()) {
        painter.setPen(layer.outline.isValid() ? QPen(layer.outline, layer.outlineWidth)
                                               : QPen(Qt::NoPen));
        painter.setBrush(layer.fill.isValid() ? QBrush(layer.fill) : QBrush(Qt::NoBrush));
        painter.drawPath(layer.shape);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

QList<int> AppIcon::pngSizes()
{
    return {16, 24, 32, 48, 64, 128, 256};
}

bool AppIcon::write(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create folder %1").arg(folder);
        return false;
    }
    const QDir out(folder);
    if (!WholeFile::write(out.filePath(QStringLiteral("quillmoor.svg")), svg(), error))
        return false;
    for (const int size : pngSizes()) {
        if (!WholeFile::write(out.filePath(QStringLiteral("quillmoor-%1.png").arg(size)), png(size),
                              error))
            return false;
    }
    return true;
}
