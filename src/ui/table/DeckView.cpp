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
    , m_backColor(TableColor::DefaultBackColor.toQColor())
    , m_largeBack(TableGeometry::LargeBackSize, devicePixelRatioF())
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

void DeckView::setBackColor(BgrColor color)
{
    m_backColor = color.toQColor();
    paintTable();
}

void DeckView::paintTable()
{
    m_shufflePile = QImage();
    update();
}

void DeckView::playCut(bool threePiles)
{
    if (isCutting())
        return;
    m_cut = new CutAnimation(this, largeBack(), m_geometry.stackedDeckRect().topLeft(), threePiles,
                             this);
    m_cut->setPauses(m_cutPauses);
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
    const QRect area = m_geometry.shuffleArea();
    const bool firstBack = m_shufflePile.isNull();
    if (firstBack) {
        m_shufflePile = QImage(area.size() * devicePixelRatioF(), QImage::Format_RGB32);
        m_shufflePile.setDevicePixelRatio(devicePixelRatioF());
        m_shufflePile.fill(m_backColor);
    }
    QPainter painter(&m_shufflePile);
    painter.translate(-area.topLeft());
    if (firstBack)
        paintStackedDeck(painter);
    const QPoint place = m_geometry.shuffleBackTopLeft(m_shuffleAngle);
    painter.drawImage(place, largeBack());
    painter.end();
    update(QRect(place, TableGeometry::LargeBackSize));
    m_shuffleAngle += 0.1;
}

void DeckView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backColor);
    // The cut's piles are drawn on a layer of their own above the table.
    if (m_cut && m_cut->isShowingFrame())
        return;
    if (m_session.isFanned()) {
        paintFan(painter);
        return;
    }
    paintStackedDeck(painter);
    if (!m_shufflePile.isNull())
        painter.drawImage(m_geometry.shuffleArea().topLeft(), m_shufflePile);
}

void DeckView::paintFan(QPainter &painter)
{
    // Drawn when the deck is first fanned, not before the table first shows,
    // and again on a screen of other density.
    if (m_fanBack.isNull() || m_fanBack.devicePixelRatio() != devicePixelRatioF())
        m_fanBack = CardBack::render(TableGeometry::FanBackSize, devicePixelRatioF());
    for (int slot = 0; slot < m_session.deckSize(); ++slot) {
        const Card &card = m_session.cards()[slot];
        if (card.isPainted())
            painter.drawImage(card.x, card.y, m_fanBack);
    }
}

void DeckView::paintStackedDeck(QPainter &painter)
{
    for (int copy = 0; copy < TableGeometry::StackedBackCount; ++copy)
        painter.drawImage(m_geometry.stackedBackTopLeft(copy), largeBack());
}

const QImage &DeckView::largeBack()
{
    if (m_largeBack.image().devicePixelRatio() != devicePixelRatioF())
        m_largeBack = CardBack::Pending(TableGeometry::LargeBackSize, devicePixelRatioF());
    return m_largeBack.image();
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
