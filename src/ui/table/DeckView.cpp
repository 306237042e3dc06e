#include "ui/table/DeckView.h"

#include "core/cards/CardBack.h"
#include "core/table/ReadingSession.h"
#include "ui/table/CutAnimation.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

DeckView::DeckView(ReadingSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_backColor(TableColor::toQColor(TableColor::DefaultBackColor))
    , m_largeBack(CardBack::render(TableGeometry::LargeBackSize))
    , m_shuffleTimer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Each frame exchanges cards and paints one more back, as fast as the
    // event loop allows, until the user stops the shuffle.
    m_shuffleTimer->setInterval(0);
    connect(m_shuffleTimer, &QTimer::timeout, this, &DeckView::paintShuffleFrame);
    connect(&m_session, &ReadingSession::phaseChanged, this, &DeckView::onPhaseChanged);
    connect(&m_session, &ReadingSession::fanChanged, this, [this] {
        if (m_session.isFanned())
            paintTable();
    });
}

void DeckView::setTableGeometry(const TableGeometry &geometry)
{
    m_geometry = geometry;
    paintTable();
}

void DeckView::setBackColor(TColor color)
{
    m_backColor = TableColor::toQColor(color);
    paintTable();
}

void DeckView::paintTable()
{
    if (m_image.isNull())
        return;
    m_image.fill(m_backColor);
    QPainter painter(&m_image);
    if (m_session.isFanned()) {
        // Drawn when the deck is first fanned, not before the table first shows.
        if (m_fanBack.isNull())
            m_fanBack = CardBack::render(TableGeometry::FanBackSize);
        for (int slot = 0; slot < m_session.deckSize(); ++slot) {
            const Card &card = m_session.cards()[slot];
            if (card.isPainted())
                painter.drawImage(card.x, card.y, m_fanBack);
        }
    } else {
        for (int copy = 0; copy < TableGeometry::StackedBackCount; ++copy)
            painter.drawImage(m_geometry.stackedBackTopLeft(copy), m_largeBack);
    }
    painter.end();
    update();
}

void DeckView::playCut(bool threePiles)
{
    if (isCutting())
        return;
    m_cut = new CutAnimation(this, m_backColor, m_largeBack, m_geometry.stackedDeckRect().topLeft(),
                             threePiles, this);
    connect(m_cut, &CutAnimation::finished, this, [this] {
        m_cut->deleteLater();
        m_cut = nullptr;
        emit cutShown();
    });
    m_cut->start();
}

bool DeckView::isCutting() const
{
    return m_cut != nullptr;
}

void DeckView::finishCut()
{
    if (m_cut)
        m_cut->finish();
}

void DeckView::stopAnimations()
{
    m_shuffleTimer->stop();
    if (m_cut) {
        m_cut->stop();
        m_cut->deleteLater();
        m_cut = nullptr;
    }
}

void DeckView::onPhaseChanged()
{
    if (m_session.phase() == ReadingSession::Phase::Shuffling) {
        m_shuffleAngle = 0.8;
        m_shuffleTimer->start();
        return;
    }
    m_shuffleTimer->stop();
    paintTable();
}

void DeckView::paintShuffleFrame()
{
    if (!m_session.shuffleFrame()) {
        m_shuffleTimer->stop();
        return;
    }
    const QPoint place = m_geometry.shuffleBackTopLeft(m_shuffleAngle);
    QPainter painter(&m_image);
    painter.drawImage(place, m_largeBack);
    painter.end();
    update(QRect(place, m_largeBack.size()));
    m_shuffleAngle += 0.1;
}

void DeckView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void DeckView::resizeEvent(QResizeEvent *event)
{
    if (m_image.size() != event->size()) {
        m_image = QImage(event->size(), QImage::Format_RGB32);
        m_image.fill(m_backColor);
    }
    QWidget::resizeEvent(event);
}

void DeckView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (isCutting())
        finishCut();
    else
        emit pressed(event->position().toPoint());
}

void DeckView::wheelEvent(QWheelEvent *event)
{
    emit wheelTurned(event->angleDelta().y());
}
