#pragma once

#include "core/spreads/Spread.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

// The spread as the table will lay it in a spread area of a given size: the
// same places, scale and cards across as the table uses, drawn as empty
// positions with their labels, and the scale in a corner.
class SpreadPreview : public QWidget
{
    Q_OBJECT

public:
    explicit SpreadPreview(const QColor &background, QWidget *parent = nullptr);

    // Shows `spread`, labelled `labels`, laid in an area of `area`; the
    // preview takes the size of the table's surface for it.
    void showSpread(const Spread &spread, const QStringList &labels, const QSize &area);
    // The rectangle position `index` is drawn in; empty beyond the spread.
    QRect positionRect(int index) const { return m_rects.value(index); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    QList<QRect> m_rects;
    QStringList m_labels;
    double m_scale = 1.0;
};
