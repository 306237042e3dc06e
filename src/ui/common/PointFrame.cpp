#include "ui/common/PointFrame.h"

#include <QColor>
#include <QPainter>
#include <QRect>

void PointFrame::draw(QPainter &painter, const QRect &rect, int width, const QColor &color)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - width + 1, rect.width(), width), color);
    painter.fillRect(QRect(rect.left(), rect.top(), width, rect.height()), color);
    painter.fillRect(QRect(rect.right() - width + 1, rect.top(), width, rect.height()), color);
}
