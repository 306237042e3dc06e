#include "ui/table/CutAnimation.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int SlideStep = 20;
constexpr int MoveStep = 10;
constexpr int FirstSlidePause = 39;
constexpr int StepPause = 19;
constexpr int PhasePause = 99;
constexpr int BacksInDeck = 18;
constexpr int BackOffset = 4;

// A see-through widget over the whole table that lets clicks through to it.
class PileLayer : public QWidget
{
public:
    PileLayer(QWidget *table, std::function<void(QPainter &)> paint)
        : QWidget(table)
        , m_paint(std::move(paint))
    {
        setObjectName(QStringLiteral("cutLayer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(table->rect());
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_paint(painter);
    }

private:
    std::function<void(QPainter &)> m_paint;
};

} // namespace

CutAnimation::CutAnimation(QWidget *table, const QImage &cardBack, QPoint deckTopLeft,
                           bool threePiles, QObject *parent)
    : QObject(parent)
    , m_table(table)
    , m_layer(new PileLayer(table, [this](QPainter &painter) { paintFrame(painter); }))
    , m_cardBack(cardBack)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        showFrame(m_next++);
        if (m_next < m_frames.size())
            m_timer->start(m_pauses ? m_frames[m_next - 1].pause : 0);
        else
            emit finished();
    });
    if (threePiles)
        planThreePiles(deckTopLeft);
    else
        planPlain(deckTopLeft);
}

CutAnimation::~CutAnimation()
{
    delete m_layer;
}

void CutAnimation::start()
{
    m_next = 0;
    m_timer->start(0);
}

void CutAnimation::finish()
{
    if (!isRunning())
        return;
    m_timer->stop();
    m_next = m_frames.size();
    showFrame(m_frames.size() - 1);
    emit finished();
}

void CutAnimation::stop()
{
    m_timer->stop();
}

bool CutAnimation::isRunning() const
{
    return m_timer->isActive();
}

QImage CutAnimation::pileImage(int backs) const
{
    const qreal ratio = m_cardBack.devicePixelRatio();
    const QSize back = m_cardBack.deviceIndependentSize().toSize();
    QImage pile(
        QSize(back.width() + BackOffset * (backs - 1), back.height() + BackOffset * (backs - 1)) *
            ratio,
        QImage::Format_ARGB32_Premultiplied);
    pile.setDevicePixelRatio(ratio);
    pile.fill(Qt::transparent);
    QPainter painter(&pile);
    for (int i = 0; i < backs; ++i)
        painter.drawImage(BackOffset * i, BackOffset * i, m_cardBack);
    return pile;
}

void CutAnimation::planSlideAside(QPoint deckTopLeft)
{
    m_piles = {{pileImage(BacksInDeck), deckTopLeft}};

    const int width = m_table->width();
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

void CutAnimation::planPlain(QPoint deckTopLeft)
{
    planSlideAside(deckTopLeft);
    wait(PhasePause);
    move(
        1, {0, -MoveStep}, [&] { return m_piles[1].place.y() > m_piles[0].place.y() - 36; },
        StepPause);
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

void CutAnimation::planThreePiles(QPoint deckTopLeft)
{
    planSlideAside(deckTopLeft);
    const QImage third = pileImage(BacksInDeck / 3);
    m_piles[0].image = third;
    m_piles[1].image = third;
    m_piles.push_back({third, m_piles[1].place + QPoint(16, 16)});
    // Indices, not references: the piles are copied into every frame.
    const auto place = [this](int index) -> QPoint & { return m_piles[std::size_t(index)].place; };
    move(
        2, {-SlideStep, 0}, [&] { return place(2).x() > 35; }, StepPause);
    move(
        2, {0, -MoveStep}, [&] { return place(2).y() > place(1).y() - 16; }, StepPause);
    move(
        0, {0, MoveStep}, [&] { return place(0).y() < place(1).y() - 16; }, StepPause);
    wait(PhasePause);
    move(
        0, {0, 32}, [&] { return place(0).y() < place(1).y() + 16; }, StepPause);
    move(
        0, {-MoveStep, 0}, [&] { return place(0).x() > place(1).x() + 16; }, StepPause);
    // The second pile carries the first onto the third.
    while (place(1).x() > place(2).x() + 16) {
        place(1).rx() -= MoveStep;
        place(0).rx() -= MoveStep;
        addFrame(StepPause);
    }
    wait(PhasePause);
    m_piles = {{pileImage(BacksInDeck), place(2)}};
    move(
        0, {0, -MoveStep}, [&] { return m_piles[0].place.y() > 10; }, StepPause);
    wait(PhasePause);
}

void CutAnimation::move(int index, QPoint step, const std::function<bool()> &more, int pause)
{
    while (more()) {
        m_piles[std::size_t(index)].place += step;
        addFrame(pause);
    }
}

void CutAnimation::addFrame(int pause)
{
    m_frames.push_back({m_piles, pause});
}

void CutAnimation::wait(int milliseconds)
{
    if (m_frames.empty())
        addFrame(0);
    m_frames.back().pause += milliseconds;
}

QRect CutAnimation::area(const std::vector<Pile> &piles)
{
    QRect united;
    for (const Pile &pile : piles)
        united |= QRect(pile.place, pile.image.deviceIndependentSize().toSize());
    return united;
}

void CutAnimation::showFrame(std::size_t index)
{
    if (index >= m_frames.size())
        return;
    // Only where piles were in the frame before and are now changes; the
    // first frame takes the stacked deck away.
    if (m_shown)
        m_layer->update(area(m_frames[*m_shown].piles) | area(m_frames[index].piles));
    else
        m_table->update();
    m_shown = index;
}

QList<QRect> CutAnimation::pileRects() const
{
    QList<QRect> rects;
    if (m_shown) {
        for (const Pile &pile : m_frames[*m_shown].piles)
            rects << area({pile});
    }
    return rects;
}

void CutAnimation::paintFrame(QPainter &painter) const
{
    if (!m_shown)
        return;
    for (const Pile &pile : m_frames[*m_shown].piles)
        painter.drawImage(pile.place, pile.image);
}
