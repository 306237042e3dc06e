#include "ui/about/AboutBox.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The program's emblem: a card standing on the table's green, a quill
// crossing a seven-pointed star on its face.
QPixmap emblem()
{
    QPixmap pixmap(160, 200);
    pixmap.fill(QColor(0x11, 0x55, 0x11));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF card(35, 20, 90, 160);
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, QColor(0xfa, 0xf3, 0xde));
    face.setColorAt(1, QColor(0xe6, 0xd3, 0xa3));
    painter.setPen(QPen(QColor(0x6b, 0x4a, 0x1c), 3));
    painter.setBrush(face);
    painter.drawRoundedRect(card, 8, 8);
    painter.setPen(QPen(QColor(0x9c, 0x7a, 0x3c), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(7, 7, -7, -7), 5, 5);

    const QPointF centre = card.center();
    QPainterPath star;
    for (int i = 0; i < 14; ++i) {
        const double radius = i % 2 == 0 ? 34 : 14;
        const double angle = -M_PI / 2 + i * M_PI / 7;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.5));
    painter.setBrush(QColor(0xd9, 0xa4, 0x2b));
    painter.drawPath(star);

    QPainterPath quill;
    quill.moveTo(centre + QPointF(-30, 52));
    quill.cubicTo(centre + QPointF(-10, 10), centre + QPointF(10, -30), centre + QPointF(34, -58));
    quill.cubicTo(centre + QPointF(20, -20), centre + QPointF(4, 20), centre + QPointF(-30, 52));
    painter.setPen(QPen(QColor(0x2c, 0x3e, 0x50), 1.5));
    painter.setBrush(QColor(0x3f, 0x6e, 0x9a));
    painter.drawPath(quill);
    return pixmap;
}

} // namespace

AboutBox::AboutBox(const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , Image1(new QLabel(this))
    , Label1(new QLabel(QStringLiteral("Quillmoor"), this))
    , Label2(new QLabel(tr("Version %1").arg(QStringLiteral(QUILLMOOR_VERSION)), this))
{
    setObjectName(QStringLiteral("AboutBox"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    setWindowTitle(caption);

    Image1->setPixmap(emblem());
    Image1->setAlignment(Qt::AlignCenter);
    QFont nameFont = Label1->font();
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    Label1->setFont(nameFont);
    Label1->setAlignment(Qt::AlignCenter);
    Label2->setAlignment(Qt::AlignCenter);

    setStyleSheet(QStringLiteral("AboutBox { background: #f4ecd6; border: 2px solid #6b4a1c; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
}

void AboutBox::mousePressEvent(QMouseEvent *)
{
    accept();
}
