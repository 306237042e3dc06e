#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QTimer;
class QWidget;

// The cut shown on the table: the stacked deck slides aside, splits into two
// or three piles that are stacked again and rise to the top of the table.
// The whole movement is worked out when it starts and then played frame by
// frame on a timer, so the window stays responsive; each frame asks the table
// to repaint only where piles were and are. The piles are drawn on a layer
// above the table's labels and buttons, as cards lying on the table would
// cover its writing. finish() jumps to the end at once.
class CutAnimation : public QObject
{
    Q_OBJECT

public:
    // `deckTopLeft` is the top left of the stacked deck's first card back on
    // `table`, the widget the piles are painted over; `cardBack` may be drawn
    // at the screen's device pixels.
    CutAnimation(QWidget *table, const QImage &cardBack, QPoint deckTopLeft, bool threePiles,
                 QObject *parent = nullptr);

    void start();
    // Shows the last frame and reports the end now.
    void finish();
    // Stops without reporting the end, for a table that is closing.
    void stop();
    bool isRunning() const;
    // Without pauses every frame follows the one before at the next turn of
    // the event loop.
    void setPauses(bool pauses) { m_pauses = pauses; }
    ~CutAnimation() override;
    // Whether a frame is shown: the table then shows no stacked deck of its own.
    bool isShowingFrame() const { return m_shown.has_value(); }
    // Where the piles of the frame shown lie on the table.
    QList<QRect> pileRects() const;

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
    void paintFrame(QPainter &painter) const;
    static QRect area(const std::vector<Pile> &piles);

    QWidget *m_table;
    // Covers the table while the cut is shown; it paints the piles.
    QWidget *m_layer;
    QImage m_cardBack;
    // The piles as the plan moves them, and the frames it records.
    std::vector<Pile> m_piles;
    std::vector<Frame> m_frames;
    std::size_t m_next = 0;
    // The frame the table shows, or none yet.
    std::optional<std::size_t> m_shown;
    QTimer *m_timer;
    bool m_pauses = true;
};
