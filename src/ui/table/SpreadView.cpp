#include "ui/table/SpreadView.h"

#include "core/app/Preferences.h"
#include "core/cards/CardBack.h"
#include "core/cards/CardFaceCache.h"
#include "core/spreads/PositionLabels.h"
#include "core/table/ReadingSession.h"
#include "core/table/TableGeometry.h"
#include "core/util/TextCodec.h"
#include "ui/table/CardImage.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {
// How far one notch of the mouse wheel scrolls the spread.
constexpr int WheelStep = 40;
} // namespace

SpreadView::SpreadView(ReadingSession &session, const Preferences &preferences,
                       CardFaceCache &faces, QWidget *parent)
    : QScrollArea(parent)
    , m_session(session)
    , m_preferences(preferences)
    , m_faces(faces)
    , m_back(CardBack::render(TableGeometry::PositionSize))
{
    setFrameShape(QFrame::NoFrame);
    auto *surface = new QWidget;
    surface->setObjectName(QStringLiteral("spreadSurface"));
    setWidget(surface);
    viewport()->installEventFilter(this);
    applyPreferences();
    connect(&m_session, &ReadingSession::spreadLaid, this, &SpreadView::layPositions);
    connect(&m_session, &ReadingSession::positionChanged, this, &SpreadView::showPosition);
}

CardImage *SpreadView::positionImage(int position) const
{
    if (position < 0 || position >= m_session.spread().positionCount)
        return nullptr;
    return m_images[position];
}

void SpreadView::setNormalGeometry(const QRect &rect)
{
    m_normalGeometry = rect;
    if (!m_enlarged)
        setGeometry(rect);
    fitSurface();
}

void SpreadView::setEnlarged(bool enlarged, const QRect &table)
{
    m_enlarged = enlarged;
    if (enlarged) {
        setGeometry(table);
        raise();
    } else {
        setGeometry(m_normalGeometry);
    }
    fitSurface();
}

void SpreadView::applyPreferences()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, TableColor::toQColor(m_preferences.backColor));
    for (QWidget *area : {static_cast<QWidget *>(this), widget()}) {
        area->setPalette(colours);
        area->setAutoFillBackground(true);
    }
    const Spread &spread = m_session.spread();
    for (int i = 0; i < spread.positionCount; ++i) {
        if (!m_images[i])
            continue;
        if (!spread.filled[i])
            m_images[i]->setPixmap(QPixmap::fromImage(labelPicture(i)));
        m_images[i]->setToolTip(
            m_preferences.useTips
                ? TextCodec::decode(PositionLabels::hint(spread, i), m_preferences.language)
                : QString());
    }
}

void SpreadView::layPositions()
{
    for (CardImage *&image : m_images) {
        delete image;
        image = nullptr;
    }
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    const Spread &spread = m_session.spread();
    for (int i = 0; i < spread.positionCount; ++i) {
        auto *image = new CardImage(i, widget());
        image->setObjectName(QStringLiteral("positionImage%1").arg(i));
        image->setGeometry(
            QRect(QPoint(spread.posX[i], spread.posY[i]), TableGeometry::PositionSize));
        connect(image, &CardImage::clicked, this, &SpreadView::positionClicked);
        m_images[i] = image;
        image->show();
    }
    applyPreferences();
    fitSurface();
}

void SpreadView::showPosition(int position)
{
    const Spread &spread = m_session.spread();
    if (position < 0 || position >= spread.positionCount || !m_images[position])
        return;
    CardImage *image = m_images[position];
    if (!spread.filled[position]) {
        image->setPixmap(QPixmap::fromImage(labelPicture(position)));
        return;
    }
    if (!spread.revealed[position]) {
        image->setPixmap(QPixmap::fromImage(m_back));
        return;
    }
    // A missing or damaged picture gives a face with the card's title.
    const QImage face = m_faces.face(m_preferences.deckName, spread.cardAt[position],
                                     spread.positionReversed[position], image->size());
    if (!face.isNull())
        image->setPixmap(QPixmap::fromImage(face));
}

QImage SpreadView::labelPicture(int position) const
{
    const QSize size = TableGeometry::PositionSize;
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(TableColor::toQColor(m_preferences.backColor));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.drawText(QRect(5, 5, size.width() - 10, size.height() - 10),
                     Qt::AlignLeft | Qt::AlignTop,
                     TextCodec::decode(PositionLabels::tableLabel(m_session.spread(), position),
                                       m_preferences.language));
    return picture;
}

void SpreadView::fitSurface()
{
    const Spread &spread = m_session.spread();
    QPoint farthest;
    for (int i = 0; i < spread.positionCount; ++i)
        farthest =
            QPoint(std::max(farthest.x(), spread.posX[i]), std::max(farthest.y(), spread.posY[i]));
    widget()->resize(TableGeometry::spreadSurfaceSize(viewport()->size(), farthest));
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
    fitSurface();
}
