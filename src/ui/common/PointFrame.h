#pragma once

class QColor;
class QPainter;
class QRect;

// A frame drawn as four filled bands of whole points inside a rectangle. On a
// screen of fractional scale a line drawn along a widget's edge can fall in
// the device pixel row its clip leaves out, and that side of the frame is
// lost; filled bands always cover a row inside.
namespace PointFrame {

void draw(QPainter &painter, const QRect &rect, int width, const QColor &color);

} // namespace PointFrame
