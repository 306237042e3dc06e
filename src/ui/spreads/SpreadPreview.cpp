#include "ui/spreads/SpreadPreview.h"

#include "core/app/BgrColor.h"
#include "core/app/TableColor.h"
#include "core/table/SpreadLayout.h"

#include <QPainter>

SpreadPreview::SpreadPreview(const QColor &background, QWidget *parent)
    : QWidget(parent)
    , m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpreadPreview::showSpread(const Spread &spread, const QStringList &labels, const QSize &area)
{
    const SpreadLayout layout(spread, area);
    m_rects.clear();
    for (int i = 0; i < spread.positionCount(); ++i)
        m_rects.append(layout.positionRect(i));
    m_labels = labels;
    m_scale = layout.scale();
    resize(layout.surfaceSize());
    update();
}

void SpreadPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    // The table's own choice of ink for frames and labels on this colour.
    const QColor ink = TableColor::labelColorFor(BgrColor::fromQColor(m_background)).toQColor();
    painter.setPen(ink);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    for (int i = 0; i < m_rects.size(); ++i) {
        const QRect &card = m_rects.at(i);
        painter.fillRect(card, m_background);
        painter.drawRect(card.adjusted(0, 0, -1, -1));
        painter.drawText(card.adjusted(5, 5, -5, -5), Qt::AlignLeft | Qt::AlignTop,
                         m_labels.value(i));
    }
    painter.drawText(rect().adjusted(0, 0, -8, -6), Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("\u00d7%1").arg(m_scale, 0, 'f', 2));
}
