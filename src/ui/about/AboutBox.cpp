#include "ui/about/AboutBox.h"

#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "version.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The program's emblem: a card standing on the table's green, a quill
// crossing a seven-pointed star on its face.
QPixmap emblem(qreal devicePixelRatio)
{
    // Drawn at the screen's device pixels, in the emblem's own units.
    QPixmap pixmap(QSize(160, 200) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
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

AboutBox::AboutBox(const UiTextTable &texts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , emblemLabel(new QLabel(this))
    , nameLabel(new QLabel(QStringLiteral("Quillmoor"), this))
{
    auto *versionLabel =
        new QLabel(texts.string(UiText::AboutVersion).arg(QStringLiteral(QUILLMOOR_VERSION)), this);
    setObjectName(QStringLiteral("AboutBox"));
    emblemLabel->setObjectName(QStringLiteral("emblemLabel"));
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    setWindowTitle(texts.buttonString(UiText::MenuAbout));

    emblemLabel->setPixmap(emblem(devicePixelRatioF()));
    emblemLabel->setAlignment(Qt::AlignCenter);
    QFont nameFont = nameLabel->font();
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    nameLabel->setFont(nameFont);
    nameLabel->setAlignment(Qt::AlignCenter);
    versionLabel->setAlignment(Qt::AlignCenter);

    setStyleSheet(QStringLiteral("AboutBox { background: #f4ecd6; border: 2px solid #6b4a1c; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(emblemLabel);
    layout->addWidget(nameLabel);
    layout->addWidget(versionLabel);
}

void AboutBox::mousePressEvent(QMouseEvent *)
{
    accept();
}
