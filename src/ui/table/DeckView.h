#pragma once

#include "core/app/TableColor.h"
#include "core/cards/CardBack.h"
#include "core/table/TableGeometry.h"
#include "ui/table/DeckFocus.h"

#include <QImage>
#include <QWidget>

class CutAnimation;
class QTimer;
class ReadingSession;

// The table's drawing surface with the deck on it: stacked, shuffled along an
// ellipse, cut, or laid out as a fan. Each paint draws the part asked for
// from the session's state, so the table keeps no picture of itself; only the
// backs the shuffle paints, which pile up until the table is painted afresh,
// are kept in a picture of the shuffle's area. It takes the keyboard's focus:
// Left and Right move along the fan or the cut, Enter and Space press there.
class DeckView : public QWidget
{
    Q_OBJECT

public:
    DeckView(ReadingSession &session, QWidget *parent = nullptr);

    // The geometry the deck is laid out by; the window sets it on resize.
    const TableGeometry &geometry() const { return m_geometry; }
    void setTableGeometry(const TableGeometry &geometry);
    void setBackColor(BgrColor color);

    // Paints the table afresh: the fan when the deck is fanned, else the
    // stacked deck.
    void paintTable();
    // Starts the cut of the stacked deck, in three piles or plainly;
    // cutShown() follows when it is over.
    void playCut(bool threePiles);
    bool isCutting() const;
    // Ends a cut being shown at once, reporting it as shown.
    void finishCut();
    // Paints no more shuffle or cut frames, for a table that is closing.
    void stopAnimations();
    // Without pauses the cut still runs frame by frame through the event
    // loop, only without waiting between frames; for tests.
    void setCutPauses(bool pauses) { m_cutPauses = pauses; }
    // Where the keyboard's focus lies on the deck.
    const DeckFocus &focus() const { return m_focus; }

signals:
    // A click on the table; a click during the cut only ends the cut.
    void pressed(const QPoint &point);
    void cutShown();
    void wheelTurned(int angleDelta);
    // The focus moved to another card or cut, or the fan changed under it.
    void focusMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onPhaseChanged();
    void paintShuffleFrame();
    void paintFan(QPainter &painter);
    void paintStackedDeck(QPainter &painter);
    void paintFocus(QPainter &painter);
    // The large back at the screen's density, drawn again when it changes.
    const QImage &largeBack();

    ReadingSession &m_session;
    DeckFocus m_focus;
    TableGeometry m_geometry;
    QColor m_backColor;
    // Drawn once per screen density, at device pixels: large for the stacked
    // deck, beside the building of the window, small for the fan when it is
    // first shown.
    CardBack::Pending m_largeBack;
    QImage m_fanBack;
    // The shuffle's area as the shuffle has painted it: the stacked deck and
    // the backs piled on it. Null when the table was painted afresh since.
    QImage m_shufflePile;
    QTimer *m_shuffleTimer;
    CutAnimation *m_cut = nullptr;
    bool m_cutPauses = true;
    // Angle of the next back painted along the shuffle's ellipse.
    double m_shuffleAngle = 0.8;
};
