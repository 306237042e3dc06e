#pragma once

#include "core/spreads/Spread.h"
#include "core/table/TableGeometry.h"

#include <QImage>
#include <QRect>
#include <QScrollArea>

#include <array>

class CardFaceCache;
class CardImage;
class ReadingSession;
class Preferences;

// The spread area of the table: one picture per position of the spread, an
// empty frame with the position's label until a card lies there, then the
// card's back and, once turned, its face. The spread is scaled to fill the
// area and can be enlarged to the whole table.
class SpreadView : public QScrollArea
{
    Q_OBJECT

public:
    SpreadView(ReadingSession &session, const Preferences &preferences, CardFaceCache &faces,
               QWidget *parent = nullptr);

    // The area's place on the table when it is not enlarged.
    void setNormalGeometry(const QRect &rect);
    bool isEnlarged() const { return m_enlarged; }
    // Covers the whole table with the spread area, or gives the table back.
    void setEnlarged(bool enlarged, const QRect &table = {});

    // The picture of position `position`; null beyond the spread.
    CardImage *positionImage(int position) const;

    // Redraws what depends on the preferences: the labels' colour, the tips.
    void applyPreferences();
    // Marks the empty position `position` as the one being filled (-1: none)
    // and scrolls it into view.
    void setHighlightedPosition(int position);
    int highlightedPosition() const { return m_highlighted; }
    // Scrolls up or down by one step for a turn of the mouse wheel.
    void scrollByWheel(int angleDelta);

signals:
    void positionClicked(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Passes a click on, having the detail window's face of a card being
    // turned up made meanwhile.
    void imageClicked(int position);
    void layPositions();
    void showPosition(int position);
    QImage labelPicture(int position) const;
    // The card back at the size positions are shown at, drawn on first use.
    const QImage &back();
    // Places the pictures for the area's size and draws them at it.
    void layOutPositions();

    ReadingSession &m_session;
    const Preferences &m_preferences;
    CardFaceCache &m_faces;
    QImage m_back;
    QSize m_backSize = TableGeometry::PositionSize;
    std::array<CardImage *, Spread::Capacity> m_images{};
    std::array<bool, Spread::Capacity> m_across{};
    QRect m_normalGeometry;
    bool m_enlarged = false;
    int m_highlighted = -1;
};
