#pragma once

#include "DeckStyle.h"

#include <QPainterPath>
#include <QString>

class QPainter;
class QRectF;

// Paints what the cards of a deck share: the ground, the frame band and the
// plates that carry the numeral and the title.
class FramePainter
{
public:
    explicit FramePainter(const DeckStyle &style);

    void paintFace(QPainter &painter, const Ink &ink) const;
    // The plate above the picture; returns the plate's rectangle. An empty
    // numeral leaves a star on the plate.
    QRectF paintNumeralPlate(QPainter &painter, const Ink &ink, const QString &numeral) const;
    void paintTitlePlate(QPainter &painter, const Ink &ink, const QString &title) const;

    // The window a trump's picture is drawn in, in emblem units; scenes that
    // reach its sides are cut off by it.
    QPainterPath pictureWindow() const;
    void paintWindowGround(QPainter &painter, const Ink &ink) const;
    void paintWindowEdge(QPainter &painter, const Ink &ink) const;

private:
    void paintArdenvaleFace(QPainter &painter, const Ink &ink) const;
    void paintVeldmereFace(QPainter &painter, const Ink &ink) const;
    // Draws `text` centred in `rect`, shrinking the font until it fits.
    void paintFittedText(QPainter &painter, const QRectF &rect, const QString &text,
                         qreal pixelSize, const QColor &colour, bool numeral) const;

    DeckStyle m_style;
};
