#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class DeckView;
class QTimer;

// The cut shown on the table: the stacked deck slides aside, splits into two
// or three piles that are stacked again and rise to the top of the table.
// The whole movement is worked out when it starts and then played frame by
// frame on a timer, so the window stays responsive; each frame repaints only
// where piles were and are. finish() jumps to the end at once.
class CutAnimation : public QObject
{
    Q_OBJECT

public:
    // `deckTopLeft` is the top left of the stacked deck's first card back.
    CutAnimation(DeckView *canvas, const QColor &background, const QImage &cardBack,
                 QPoint deckTopLeft, bool threePiles, QObject *parent = nullptr);

    void start();
    // Shows the last frame and reports the end now.
    void finish();
    // Stops without reporting the end, for a table that is closing.
    void stop();
    bool isRunning() const;

signals:
    void finished();

private:
    struct Pile
    {
        QImage image;
        QPoint place;
    };
    struct Frame
    {
        std::vector<Pile> piles;
        // How long the frame stays before the next one.
        int pause = 0;
    };

    QImage pileImage(int backs) const;
    void planPlain(QPoint deckTopLeft);
    void planThreePiles(QPoint deckTopLeft);
    void planSlideAside(QPoint deckTopLeft);
    // Moves pile `index` by `step` per frame while `more()` holds, each frame
    // staying `pause` milliseconds.
    void move(int index, QPoint step, const std::function<bool()> &more, int pause);
    void addFrame(int pause);
    void wait(int milliseconds);
    void showFrame(std::size_t index);
    static QRect area(const std::vector<Pile> &piles);

    DeckView *m_canvas;
    QColor m_background;
    QImage m_cardBack;
    // The table without its deck: the backdrop every frame is drawn on.
    QImage m_table;
    // The piles as the plan moves them, and the frames it records.
    std::vector<Pile> m_piles;
    std::vector<Frame> m_frames;
    std::size_t m_next = 0;
    QTimer *m_timer;
};
