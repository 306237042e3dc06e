#include "ui/table/CutAnimation.h"

#include "ui/table/DeckView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>

namespace {

constexpr int SlideStep = 20;
constexpr int MoveStep = 10;
constexpr int FirstSlidePause = 39;
constexpr int StepPause = 19;
constexpr int PhasePause = 99;
constexpr int BacksInDeck = 18;
constexpr int BackOffset = 4;

// Swallows the user's clicks and keys while it lives.
class InputBlocker : public QObject
{
public:
    InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputBlocker() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

CutAnimation::CutAnimation(DeckView *canvas, const QColor &background, const QImage &cardBack)
    : m_canvas(canvas)
    , m_background(background)
    , m_cardBack(cardBack)
{}

QImage CutAnimation::pileImage(int backs) const
{
    QImage pile(m_cardBack.width() + BackOffset * (backs - 1),
                m_cardBack.height() + BackOffset * (backs - 1),
                QImage::Format_ARGB32_Premultiplied);
    pile.fill(Qt::transparent);
    QPainter painter(&pile);
    for (int i = 0; i < backs; ++i)
        painter.drawImage(BackOffset * i, BackOffset * i, m_cardBack);
    return pile;
}

void CutAnimation::slideDeckAside(QPoint deckTopLeft)
{
    // The table without its deck is the backdrop every frame is drawn on.
    m_table = m_canvas->image().copy();
    QPainter painter(&m_table);
    const QImage deck = pileImage(BacksInDeck);
    painter.fillRect(QRect(deckTopLeft, deck.size()), m_background);
    painter.end();
    m_piles = {{deck, deckTopLeft}};

    const int width = m_canvas->width();
    move(
        0, {SlideStep, 0}, [&] { return m_piles[0].place.x() - 40 < width - 263; },
        FirstSlidePause);
    wait(PhasePause);

    // The upper half of the deck is lifted off and slides back to the middle.
    const QImage half = pileImage(BacksInDeck / 2);
    const QPoint deckPlace = m_piles[0].place;
    m_piles = {
        {half, deckPlace},
        {half, deckPlace + QPoint(BackOffset * BacksInDeck / 2, BackOffset * BacksInDeck / 2)}};
    move(
        1, {-SlideStep, 0}, [&] { return m_piles[1].place.x() - SlideStep >= (width - 187) / 2; },
        StepPause);
}

void CutAnimation::playPlain(QPoint deckTopLeft)
{
    InputBlocker blocker;
    slideDeckAside(deckTopLeft);
    wait(PhasePause);
    Pile &lower = m_piles[0];
    Pile &upper = m_piles[1];
    move(
        1, {0, -MoveStep}, [&] { return upper.place.y() > lower.place.y() - 36; }, StepPause);
    wait(PhasePause);
    // The first pile goes onto the lifted one: the cut.
    std::swap(m_piles[0], m_piles[1]);
    move(
        1, {-MoveStep, 0}, [&] { return m_piles[1].place.x() > m_piles[0].place.x() + 36; },
        StepPause);
    wait(PhasePause);
    m_piles = {{pileImage(BacksInDeck), m_piles[0].place}};
    move(
        0, {0, -MoveStep}, [&] { return m_piles[0].place.y() > 10; }, StepPause);
    wait(PhasePause);
}

void CutAnimation::playThreePiles(QPoint deckTopLeft)
{
    InputBlocker blocker;
    slideDeckAside(deckTopLeft);
    const QImage third = pileImage(BacksInDeck / 3);
    m_piles[0].image = pileImage(BacksInDeck / 3);
    m_piles[1].image = third;
    m_piles.push_back({third, m_piles[1].place + QPoint(16, 16)});
    Pile &first = m_piles[0];
    Pile &second = m_piles[1];
    Pile &thirdPile = m_piles[2];
    move(
        2, {-SlideStep, 0}, [&] { return thirdPile.place.x() > 35; }, StepPause);
    move(
        2, {0, -MoveStep}, [&] { return thirdPile.place.y() > second.place.y() - 16; }, StepPause);
    move(
        0, {0, MoveStep}, [&] { return first.place.y() < second.place.y() - 16; }, StepPause);
    wait(PhasePause);
    move(
        0, {0, 32}, [&] { return first.place.y() < second.place.y() + 16; }, StepPause);
    move(
        0, {-MoveStep, 0}, [&] { return first.place.x() > second.place.x() + 16; }, StepPause);
    // The second pile carries the first onto the third.
    while (second.place.x() > thirdPile.place.x() + 16) {
        second.place.rx() -= MoveStep;
        first.place.rx() -= MoveStep;
        showFrame();
        wait(StepPause);
    }
    wait(PhasePause);
    m_piles = {{pileImage(BacksInDeck), thirdPile.place}};
    move(
        0, {0, -MoveStep}, [&] { return m_piles[0].place.y() > 10; }, StepPause);
    wait(PhasePause);
}

void CutAnimation::move(int index, QPoint step, const std::function<bool()> &more, int pause)
{
    while (more()) {
        m_piles[size_t(index)].place += step;
        showFrame();
        wait(pause);
    }
}

void CutAnimation::showFrame()
{
    QImage &image = m_canvas->image();
    QPainter painter(&image);
    painter.drawImage(0, 0, m_table);
    for (const Pile &pile : m_piles)
        painter.drawImage(pile.place, pile.image);
    painter.end();
    m_canvas->update();
}

void CutAnimation::wait(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    while (timer.elapsed() <= milliseconds);
}
