#include "ui/table/CardImage.h"

#include "ui/table/FocusRing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CardImage::CardImage(int tag, QWidget *parent)
    : QLabel(parent)
    , m_tag(tag)
{
    setScaledContents(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CardImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_tag);
}

void CardImage::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        press();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void CardImage::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    // The table's colour shows through the spread area round the pictures.
    FocusRing::paint(painter, rect(), palette().color(QPalette::Window));
}
