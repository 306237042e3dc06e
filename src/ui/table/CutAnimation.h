#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>
#include <vector>

class DeckView;

// The cut shown on the table: the stacked deck slides aside, splits into two
// or three piles that are stacked again and rise to the top of the table.
// It runs to its end before returning; the table ignores clicks and keys
// meanwhile.
class CutAnimation
{
public:
    CutAnimation(DeckView *canvas, const QColor &background, const QImage &cardBack);

    // `deckTopLeft` is the top left of the stacked deck's first card back.
    void playPlain(QPoint deckTopLeft);
    void playThreePiles(QPoint deckTopLeft);

private:
    struct Pile
    {
        QImage image;
        QPoint place;
    };

    QImage pileImage(int backs) const;
    void slideDeckAside(QPoint deckTopLeft);
    // Moves pile `index` by `step` per frame while `more()` holds, pausing
    // `pause` milliseconds after each frame.
    void move(int index, QPoint step, const std::function<bool()> &more, int pause);
    void showFrame();
    void wait(int milliseconds);

    DeckView *m_canvas;
    QColor m_background;
    QImage m_cardBack;
    QImage m_table;
    std::vector<Pile> m_piles;
};
