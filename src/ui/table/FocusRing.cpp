#include "ui/table/FocusRing.h"

#include "core/app/TableColor.h"

#include <QPainter>

namespace {

// Amber: far from the greens and creams of the table and the cards.
constexpr BgrColor RingColor = BgrColor::fromRgb(255, 196, 0);
constexpr int BandWidth = 4;

} // namespace

void FocusRing::paint(QPainter &painter, const QRect &rect, const QColor &table)
{
    const QColor band = TableColor::legibleOn(BgrColor::fromQColor(table), RingColor).toQColor();
    const QColor edge = band.lightness() > 127 ? Qt::black : Qt::white;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPen pen(band, BandWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    const int half = BandWidth / 2;
    painter.drawRect(rect.adjusted(half, half, -half, -half));
    pen.setColor(edge);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawRect(rect.adjusted(BandWidth, BandWidth, -BandWidth - 1, -BandWidth - 1));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}
