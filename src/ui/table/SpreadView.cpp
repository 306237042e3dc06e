#include "ui/table/SpreadView.h"

#include "core/app/Preferences.h"
#include "core/cards/CardBack.h"
#include "core/cards/CardFaceCache.h"
#include "core/spreads/PositionLabels.h"
#include "core/table/ReadingSession.h"
#include "core/table/SpreadLayout.h"
#include "core/table/TableGeometry.h"
#include "ui/cards/CardDetailWindow.h"
#include "ui/table/CardImage.h"
#include "ui/table/PositionKeys.h"

#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace {
// How far one notch of the mouse wheel scrolls the spread.
constexpr int WheelStep = 40;
// The frame that marks the position being filled.
constexpr int HighlightWidth = 3;
} // namespace

SpreadView::SpreadView(ReadingSession &session, const Preferences &preferences,
                       CardFaceCache &faces, QWidget *parent)
    : QScrollArea(parent)
    , m_session(session)
    , m_preferences(preferences)
    , m_faces(faces)
{
    setFrameShape(QFrame::NoFrame);
    auto *surface = new QWidget;
    surface->setObjectName(QStringLiteral("spreadSurface"));
    setWidget(surface);
    viewport()->installEventFilter(this);
    new PositionKeys(*this);
    applyPreferences();
    connect(&m_session, &ReadingSession::spreadLaid, this, &SpreadView::layPositions);
    connect(&m_session, &ReadingSession::positionChanged, this, &SpreadView::showPosition);
}

CardImage *SpreadView::positionImage(int position) const
{
    if (position < 0 || position >= m_session.spread().positionCount())
        return nullptr;
    return m_images[position];
}

void SpreadView::setNormalGeometry(const QRect &rect)
{
    m_normalGeometry = rect;
    if (!m_enlarged)
        setGeometry(rect);
    layOutPositions();
}

void SpreadView::setEnlarged(bool enlarged, const QRect &table)
{
    m_enlarged = enlarged;
    // A position's tip shown now would stay where its card no longer is.
    QToolTip::hideText();
    if (enlarged) {
        setGeometry(table);
        raise();
    } else {
        setGeometry(m_normalGeometry);
    }
    layOutPositions();
}

void SpreadView::applyPreferences()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, m_preferences.backColor().toQColor());
    for (QWidget *area : {static_cast<QWidget *>(this), widget()}) {
        area->setPalette(colours);
        area->setAutoFillBackground(true);
    }
    const Spread &spread = m_session.spread();
    for (int i = 0; i < spread.positionCount(); ++i) {
        if (!m_images[i])
            continue;
        if (!m_session.placements().isFilled(i))
            m_images[i]->setPixmap(QPixmap::fromImage(labelPicture(i)));
        m_images[i]->setToolTip(m_preferences.useTips()
                                    ? PositionLabels::hintText(spread, i, m_preferences.language())
                                    : QString());
    }
}

void SpreadView::setHighlightedPosition(int position)
{
    const int previous = m_highlighted;
    m_highlighted = position;
    showPosition(previous);
    showPosition(position);
    if (CardImage *image = positionImage(position))
        ensureWidgetVisible(image);
}

void SpreadView::layPositions()
{
    m_highlighted = -1;
    for (CardImage *&image : m_images) {
        delete image;
        image = nullptr;
    }
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const Spread &spread = m_session.spread();
    for (int i = 0; i < spread.positionCount(); ++i) {
        auto *image = new CardImage(i, widget());
        image->setObjectName(QStringLiteral("positionImage%1").arg(i));
        connect(image, &CardImage::clicked, this, &SpreadView::imageClicked);
        m_images[i] = image;
        image->show();
    }
    layOutPositions();
    applyPreferences();
}

void SpreadView::imageClicked(int position)
{
    const Placements::Placement placement = m_session.placements().at(position);
    if (placement.isFilled() && !placement.revealed)
        CardDetailWindow::prepareFace(m_faces, m_preferences, placement.card, placement.reversed,
                                      devicePixelRatioF());
    emit positionClicked(position);
}

void SpreadView::layOutPositions()
{
    const Spread &spread = m_session.spread();
    // The area's own size: the viewport of a hidden area is not laid out yet.
    const SpreadLayout layout(spread, contentsRect().size());
    widget()->resize(layout.surfaceSize());
    const QSize card = TableGeometry::PositionSize * layout.scale();
    // The back is drawn again at the new size when a card next needs it.
    if (m_backSize != card)
        m_back = QImage();
    m_backSize = card;
    for (int i = 0; i < spread.positionCount(); ++i) {
        if (!m_images[i])
            continue;
        m_images[i]->setGeometry(layout.positionRect(i));
        m_across[i] = layout.isAcross(i);
        showPosition(i);
    }
}

void SpreadView::showPosition(int position)
{
    const Spread &spread = m_session.spread();
    if (position < 0 || position >= spread.positionCount() || !m_images[position])
        return;
    CardImage *image = m_images[position];
    const Placements::Placement placement = m_session.placements().at(position);
    if (!placement.isFilled()) {
        image->setPixmap(QPixmap::fromImage(labelPicture(position)));
        return;
    }
    // A card laid across is drawn upright at the transposed size, then turned.
    // A missing or damaged picture gives a face with the card's title.
    // Faces and backs are drawn at the screen's device pixels.
    const QSize upright = m_across[position] ? image->size().transposed() : image->size();
    const qreal ratio = image->devicePixelRatioF();
    // A card lying face down is decoded meanwhile, so that it turns at once.
    if (!placement.revealed)
        m_faces.prepare(m_preferences.deckName(), placement.card, upright, ratio);
    QImage picture = placement.revealed ? m_faces.face(m_preferences.deckName(), placement.card,
                                                       placement.reversed, upright, ratio)
                                        : back();
    if (picture.isNull())
        return;
    if (m_across[position]) {
        picture = picture.transformed(QTransform().rotate(90));
        picture.setDevicePixelRatio(ratio);
    }
    image->setPixmap(QPixmap::fromImage(picture));
}

const QImage &SpreadView::back()
{
    const qreal ratio = devicePixelRatioF();
    if (m_back.isNull() || m_back.devicePixelRatio() != ratio)
        m_back = CardBack::render(m_backSize, ratio);
    return m_back;
}

QImage SpreadView::labelPicture(int position) const
{
    const QSize size =
        m_images[position] ? m_images[position]->size() : TableGeometry::PositionSize;
    const qreal ratio = devicePixelRatioF();
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(m_preferences.backColor().toQColor());
    QPainter painter(&picture);
    // Frame and label in black where that stands out from the table, else white.
    const QColor ink = TableColor::labelColorFor(m_preferences.backColor()).toQColor();
    painter.setPen(ink);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    if (position == m_highlighted) {
        // The position a card is being chosen for: a thick frame inside the usual one.
        painter.setPen(QPen(ink, HighlightWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const int inset = 1 + HighlightWidth / 2;
        painter.drawRect(QRect(QPoint(inset, inset),
                               QPoint(size.width() - 1 - inset, size.height() - 1 - inset)));
        painter.setPen(ink);
    }
    // Bold, so that "S." cannot be taken for "5." at this size.
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        QRect(5, 5, size.width() - 10, size.height() - 10), Qt::AlignLeft | Qt::AlignTop,
        PositionLabels::tableLabelText(m_session.spread(), position, m_preferences.language()));
    return picture;
}

void SpreadView::scrollByWheel(int angleDelta)
{
    if (!isVisible())
        return;
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + (angleDelta < 0 ? WheelStep : -WheelStep));
}

bool SpreadView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && event->type() == QEvent::Wheel) {
        scrollByWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void SpreadView::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    layOutPositions();
}
