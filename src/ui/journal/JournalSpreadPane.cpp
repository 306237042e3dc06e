#include "ui/journal/JournalSpreadPane.h"

#include "core/cards/CardFaceCache.h"
#include "core/table/SpreadLayout.h"

#include <QPainter>
#include <QTransform>

JournalSpreadPane::JournalSpreadPane(const DataRoots &roots, CardFaceCache &faces,
                                     std::function<QString()> deckName, QWidget *parent)
    : QWidget(parent)
    , m_roots(roots)
    , m_faces(faces)
    , m_deckName(std::move(deckName))
{
    setMinimumSize(240, 200);
}

void JournalSpreadPane::showEntry(const JournalEntry &entry)
{
    m_entry = entry;
    m_spread = Spread();
    if (!entry.cards.isEmpty() &&
        m_spread.load(Spread::filePath(m_roots, entry.spreadName)) != Spread::LoadResult::Loaded)
        m_spread = Spread();
    update();
}

void JournalSpreadPane::clear()
{
    showEntry({});
}

void JournalSpreadPane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_spread.positionCount() == 0)
        return;
    // Laid out at table size, then drawn scaled down to the pane.
    const SpreadLayout layout(m_spread, size() * 2);
    const QSize surface = layout.surfaceSize();
    const double scale =
        std::min(double(width()) / surface.width(), double(height()) / surface.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate((width() - surface.width() * scale) / 2,
                      (height() - surface.height() * scale) / 2);
    painter.scale(scale, scale);
    for (const JournalCard &card : m_entry.cards) {
        const QRect place = layout.positionRect(card.position);
        if (place.isEmpty())
            continue;
        const bool across = layout.isAcross(card.position);
        // Decoded at the device pixels it covers once scaled down.
        const QSize upright = across ? place.size().transposed() : place.size();
        QImage face = m_faces.face(m_deckName(), card.number, card.reversed, upright * scale,
                                   devicePixelRatioF());
        if (across)
            face = face.transformed(QTransform().rotate(90));
        if (face.isNull())
            painter.fillRect(place, Qt::darkGray);
        else
            painter.drawImage(place, face);
        painter.setPen(palette().windowText().color());
        painter.drawRect(place);
    }
}
