#include "CardFace.h"

#include "CardLayout.h"
#include "CardPosition.h"
#include "SuitPip.h"

#include <QPainter>

namespace {

QString roman(int value)
{
    static const struct
    {
        int value;
        const char *digits;
    } steps[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto &step : steps)
        for (; value >= step.value; value -= step.value)
            text += QLatin1String(step.digits);
    return text;
}

// Splits "XIX. The Sun" into its numeral and its name; a title without a
// numeral keeps its whole text as the name.
void splitTrumpTitle(const QString &title, QString &numeral, QString &name)
{
    const int dot = title.indexOf(QLatin1String(". "));
    if (dot <= 0) {
        numeral.clear();
        name = title;
        return;
    }
    numeral = title.left(dot);
    name = title.mid(dot + 2).trimmed();
}

} // namespace

CardFace::CardFace(const DeckStyle &style)
    : m_style(style)
    , m_frame(style)
    , m_major(style)
    , m_pips(style.look())
    , m_court(style.look())
{}

QImage CardFace::render(int number, const QByteArray &title) const
{
    const CardPosition position = CardPosition::of(number);
    const Ink ink = position.trump ? m_style.trumpInk() : m_style.suitInk(position.suit);
    QImage image(CardLayout::Size * CardLayout::PixelsPerUnit, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(CardLayout::PixelsPerUnit, CardLayout::PixelsPerUnit);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_frame.paintFace(painter, ink);

    QString numeral;
    QString name;
    if (position.trump) {
        splitTrumpTitle(QString::fromUtf8(title), numeral, name);
    } else {
        name = QString::fromUtf8(title);
        if (!position.court())
            numeral = roman(position.rank);
    }
    const QRectF plate = m_frame.paintNumeralPlate(painter, ink, numeral);
    if (!position.trump) {
        const qreal y = plate.center().y();
        const qreal inset = 40;
        for (qreal x : {CardLayout::Header.left() + inset, CardLayout::Header.right() - inset})
            SuitPip::paint(painter, m_style.look(), position.suit, ink, {x, y}, 34);
    }
    m_frame.paintTitlePlate(painter, ink, name);

    const QRectF &picture = CardLayout::Picture;
    if (position.trump) {
        const QRectF &window = CardLayout::TrumpWindow;
        const qreal scale =
            qMin(picture.width() / window.width(), picture.height() / window.height());
        painter.translate(picture.center());
        painter.scale(scale, scale);
        m_frame.paintWindowGround(painter, ink);
        painter.save();
        painter.setClipPath(m_frame.pictureWindow());
        m_major.paint(painter, number);
        painter.restore();
        m_frame.paintWindowEdge(painter, ink);
    } else if (position.court()) {
        const qreal scale = qMin(picture.width() / (2 * CardLayout::EmblemHalfWidth),
                                 picture.height() / (2 * CardLayout::EmblemHalfHeight));
        painter.translate(picture.center());
        painter.scale(scale, scale);
        m_court.paint(painter, position.suit, position.rank, ink);
    } else {
        m_pips.paint(painter, position.suit, position.rank, ink, picture);
    }
    painter.end();
    return image;
}
