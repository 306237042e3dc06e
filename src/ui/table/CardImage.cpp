#include "ui/table/CardImage.h"

#include <QMouseEvent>

CardImage::CardImage(int tag, QWidget *parent)
    : QLabel(parent)
    , m_tag(tag)
{
    setScaledContents(true);
}

void CardImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_tag);
}
