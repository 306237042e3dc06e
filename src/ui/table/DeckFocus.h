#pragma once

#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>

class ReadingSession;
class TableGeometry;

// Where the keyboard's focus lies on the deck: one card of the fan while the
// deck is fanned, a place to cut at while it waits to be cut, else the
// stacked deck as a whole. Left and Right move it; Enter presses the table
// where it lies, as a click there would.
class DeckFocus
{
public:
    explicit DeckFocus(const ReadingSession &session);

    // Back to the first card of the fan and the middle of the deck, for a new deal.
    void reset();

    // Moves the focus `step` cards along the fan, or `step` cards deeper into
    // the stacked deck for the cut; false when it is already at that end.
    bool move(int step, const TableGeometry &geometry);
    // Moves it to the first or the last card of the fan or of the cut.
    bool moveToEnd(bool last, const TableGeometry &geometry);
    // The table point a click would press to do what Enter does now.
    QPoint pressPoint(const TableGeometry &geometry) const;
    // The card or the stacked deck the focus ring goes round.
    QRect ringRect(const TableGeometry &geometry) const;
    // Where the cut falls, as a line across the stacked deck; null when the
    // deck does not wait to be cut.
    QLine cutLine(const TableGeometry &geometry) const;

    // The cards still in the fan, by slot, left to right.
    QList<int> fanSlots() const;
    // The place in the fan (from 0) of the card that has the focus, or -1.
    int fanIndex() const;
    // How many cards lie above the cut where the focus is.
    int cutCards(const TableGeometry &geometry) const;

private:
    bool cutting() const;
    // The table x a cut of `cards` cards is made at.
    int cutX(int cards, const TableGeometry &geometry) const;
    int deepestCut(const TableGeometry &geometry) const;

    const ReadingSession &m_session;
    // The place in the fan that has the focus; kept when the card there is
    // drawn, so the next card moves up to it.
    int m_fanIndex = 0;
    // Cards above the cut; 0 means the deck's middle, where Cut deck cuts.
    int m_cutCards = 0;
};
