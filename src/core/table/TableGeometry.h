#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where everything lies on the table, for a window of a given size: the
// stacked deck, the shuffle's ellipse, the panels and buttons, the spread
// area and the position pictures. Coordinates are those of the table's
// drawing surface, which starts below the menu; the deck and the buttons are
// placed by the size of the whole window.
class TableGeometry
{
public:
    // A card back on the stacked deck and in a position face down.
    static constexpr QSize LargeBackSize{115, 196};
    // A card back in the fan.
    static constexpr QSize FanBackSize{58, 98};
    // A position picture in the spread area, as spread files place it.
    static constexpr QSize PositionSize{87, 148};
    // The stacked deck shows this many backs, each this far below and right
    // of the one before.
    static constexpr int StackedBackCount = 18;
    static constexpr int StackedBackStep = 4;
    static constexpr QSize ButtonSize{81, 25};
    // Where the spread area begins: right of the prompt panel, below the
    // top band that holds the deck and the fan.
    static constexpr int SpreadAreaLeft = 150;
    static constexpr int SpreadAreaTop = 200;

    TableGeometry() = default;
    TableGeometry(const QSize &windowSize, const QSize &surfaceSize);

    QSize windowSize() const { return m_window; }
    QSize surfaceSize() const { return m_surface; }

    // The stacked deck: where a click cuts it, and its backs.
    QRect stackedDeckRect() const;
    QPoint stackedBackTopLeft(int copy) const;
    // Where the shuffle paints a back for the ellipse angle `angle`.
    QPoint shuffleBackTopLeft(double angle) const;
    // The area every back the shuffle paints lies in.
    QRect shuffleArea() const;
    // The x of a cut that the Cut deck button stands for: the deck's middle.
    QPoint deckCentre() const;

    QRect spreadAreaRect() const;
    QRect horizontalRuleRect() const;
    QRect verticalRuleRect() const;
    QRect spreadNameRect() const;
    QRect promptRect() const;
    QRect optionNoticeRect() const;
    QPoint shuffleButtonPos() const;
    QPoint stopButtonPos() const;
    QPoint cutButtonPos() const;
    // The card drawn beyond a full spread, at the foot of the prompt panel.
    QRect extraCardRect() const;

private:
    // The half axes of the ellipse the shuffle paints its backs along.
    static constexpr QSize ShuffleRadii{65, 55};
    QPoint shuffleCentre() const;

    QSize m_window;
    QSize m_surface;
};
