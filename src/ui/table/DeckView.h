#pragma once

#include "core/app/TableColor.h"
#include "core/table/TableGeometry.h"

#include <QImage>
#include <QWidget>

class CutAnimation;
class QTimer;
class ReadingSession;

// The table's drawing surface with the deck on it: stacked, shuffled along an
// ellipse, cut, or laid out as a fan. Painting goes into a persistent image,
// so the backs the shuffle paints pile up until the table is painted afresh.
class DeckView : public QWidget
{
    Q_OBJECT

public:
    DeckView(ReadingSession &session, QWidget *parent = nullptr);

    QImage &image() { return m_image; }
    const QImage &largeBack() const { return m_largeBack; }

    // The geometry the deck is laid out by; the window sets it on resize.
    const TableGeometry &geometry() const { return m_geometry; }
    void setTableGeometry(const TableGeometry &geometry);
    void setBackColor(TColor color);

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

signals:
    // A click on the table; a click during the cut only ends the cut.
    void pressed(const QPoint &point);
    void cutShown();
    void wheelTurned(int angleDelta);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void onPhaseChanged();
    void paintShuffleFrame();

    ReadingSession &m_session;
    TableGeometry m_geometry;
    QColor m_backColor;
    QImage m_image;
    // Drawn once: large for the stacked deck, small for the fan.
    QImage m_largeBack;
    QImage m_fanBack;
    QTimer *m_shuffleTimer;
    CutAnimation *m_cut = nullptr;
    // Angle of the next back painted along the shuffle's ellipse.
    double m_shuffleAngle = 0.8;
};
