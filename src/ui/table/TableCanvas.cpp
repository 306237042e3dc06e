#include "ui/table/TableCanvas.h"

#include <QPainter>
#include <QResizeEvent>

TableCanvas::TableCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void TableCanvas::resizeEvent(QResizeEvent *event)
{
    if (m_image.size() != event->size())
        m_image = QImage(event->size(), QImage::Format_RGB32);
    emit resized();
}

void TableCanvas::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event);
}

void TableCanvas::wheelEvent(QWheelEvent *event)
{
    emit wheelTurned(event);
}
