#include "ui/table/DeckView.h"

#include "core/cards/CardBack.h"
#include "core/table/ReadingSession.h"
#include "ui/table/CutAnimation.h"
#include "ui/table/FocusRing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

DeckView::DeckView(ReadingSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_focus(session)
    , m_backColor(TableColor::DefaultBackColor.toQColor())
    , m_largeBack(TableGeometry::LargeBackSize, devicePixelRatioF())
    , m_shuffleTimer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Each frame exchanges cards and paints one more back, as fast as the
    // event loop allows, until the user stops the shuffle.
    m_shuffleTimer->setInterval(0);
    connect(m_shuffleTimer, &QTimer::timeout, this, &DeckView::paintShuffleFrame);
    connect(&m_session, &ReadingSession::phaseChanged, this, &DeckView::onPhaseChanged);
    connect(&m_session, &ReadingSession::fanChanged, this, [this] {
        if (m_session.isFanned())
            paintTable();
        emit focusMoved();
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
    if (!m_session.isFanned() && m_session.phase() != ReadingSession::Phase::ReadyToCut)
        m_focus.reset();
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
    } else {
        paintStackedDeck(painter);
        if (!m_shufflePile.isNull())
            painter.drawImage(m_geometry.shuffleArea().topLeft(), m_shufflePile);
    }
    paintFocus(painter);
}

void DeckView::paintFocus(QPainter &painter)
{
    if (!hasFocus())
        return;
    const QRect ring = m_focus.ringRect(m_geometry);
    // The focused card of the fan is drawn whole, over the cards after it.
    if (m_focus.fanIndex() >= 0 && !m_fanBack.isNull())
        painter.drawImage(ring.topLeft(), m_fanBack);
    FocusRing::paint(painter, ring, m_backColor);
    const QLine cut = m_focus.cutLine(m_geometry);
    if (!cut.isNull())
        FocusRing::paint(painter, QRect(cut.p1(), cut.p2()).adjusted(-4, -8, 4, 8), m_backColor);
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

void DeckView::keyPressEvent(QKeyEvent *event)
{
    bool moved = false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        moved = m_focus.move(event->key() == Qt::Key_Left ? -1 : 1, m_geometry);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        moved = m_focus.moveToEnd(event->key() == Qt::Key_End, m_geometry);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // As a click: it ends a cut being shown, else presses where the focus lies.
        if (isCutting())
            finishCut();
        else
            emit pressed(m_focus.pressPoint(m_geometry));
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (moved) {
        update();
        emit focusMoved();
    }
}
