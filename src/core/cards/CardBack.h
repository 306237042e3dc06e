#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QSize>

#include <future>

// The back every card shows face down: the table's dark green with a gold
// lattice, a rounded gold frame and a medallion, drawn at any size.
namespace CardBack {

// The back at `size`; it looks the same turned upside down, so a reversed
// card cannot be told from the others. A null image for an empty size.
QImage render(const QSize &size);
// The back shown at `logicalSize` on a screen of `devicePixelRatio`: drawn at
// that many device pixels and marked with the ratio.
QImage render(const QSize &logicalSize, qreal devicePixelRatio);

// One shape of the medallion in the back's middle, with its fill and its
// outline (an invalid colour for none).
struct EmblemLayer
{
    QPainterPath shape;
    QColor fill;
    QColor outline;
    qreal outlineWidth = 0;
};

// The medallion, bottom layer first, around `centre` with `radius`; `line`
// is the width of the back's thinnest lines. The application icon is drawn
// from it too.
QList<EmblemLayer> emblem(const QPointF &centre, qreal radius, qreal line);

// A back drawn on a thread of its own from the moment this is made, so that
// a window can be built meanwhile; image() waits for it the first time.
class Pending
{
public:
    explicit Pending(const QSize &logicalSize, qreal devicePixelRatio = 1);
    const QImage &image();

private:
    std::future<QImage> m_drawing;
    QImage m_image;
};

} // namespace CardBack
