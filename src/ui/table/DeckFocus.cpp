#include "ui/table/DeckFocus.h"

#include "core/engine/Card.h"
#include "core/engine/DeckCut.h"
#include "core/table/ReadingSession.h"
#include "core/table/TableGeometry.h"

DeckFocus::DeckFocus(const ReadingSession &session)
    : m_session(session)
{}

void DeckFocus::reset()
{
    m_fanIndex = 0;
    m_cutCards = 0;
}

bool DeckFocus::cutting() const
{
    return m_session.phase() == ReadingSession::Phase::ReadyToCut;
}

QList<int> DeckFocus::fanSlots() const
{
    QList<int> inFan;
    if (!m_session.isFanned())
        return inFan;
    for (int slot = 0; slot < m_session.deckSize(); ++slot) {
        if (m_session.cards()[slot].isPainted())
            inFan << slot;
    }
    return inFan;
}

int DeckFocus::fanIndex() const
{
    const int count = int(fanSlots().size());
    return count == 0 ? -1 : qBound(0, m_fanIndex, count - 1);
}

int DeckFocus::cutX(int cards, const TableGeometry &geometry) const
{
    const QRect deck = geometry.stackedDeckRect();
    const int width = geometry.windowSize().width();
    for (int x = deck.left(); x <= deck.right(); ++x) {
        if (DeckCut::cutPoint(x, width, m_session.deckSize()) >= cards)
            return x;
    }
    return deck.right();
}

int DeckFocus::deepestCut(const TableGeometry &geometry) const
{
    return DeckCut::cutPoint(geometry.stackedDeckRect().right(), geometry.windowSize().width(),
                             m_session.deckSize());
}

int DeckFocus::cutCards(const TableGeometry &geometry) const
{
    if (m_cutCards > 0)
        return m_cutCards;
    return DeckCut::cutPoint(geometry.deckCentre().x(), geometry.windowSize().width(),
                             m_session.deckSize());
}

bool DeckFocus::move(int step, const TableGeometry &geometry)
{
    if (cutting()) {
        const int cards = qBound(1, cutCards(geometry) + step, deepestCut(geometry));
        if (cards == cutCards(geometry))
            return false;
        m_cutCards = cards;
        return true;
    }
    const int index = fanIndex();
    if (index < 0)
        return false;
    const int moved = qBound(0, index + step, int(fanSlots().size()) - 1);
    m_fanIndex = moved;
    return moved != index;
}

bool DeckFocus::moveToEnd(bool last, const TableGeometry &geometry)
{
    if (cutting())
        return move(last ? deepestCut(geometry) : -deepestCut(geometry), geometry);
    return move(last ? int(fanSlots().size()) : -int(fanSlots().size()), geometry);
}

QPoint DeckFocus::pressPoint(const TableGeometry &geometry) const
{
    if (cutting())
        return QPoint(cutX(cutCards(geometry), geometry), geometry.deckCentre().y());
    const QList<int> inFan = fanSlots();
    const int index = fanIndex();
    if (index < 0)
        return geometry.deckCentre();
    // The fan is drawn left to right, each card over the one before: press
    // the focused card where no later card covers it.
    const Card &card = m_session.cards()[inFan.at(index)];
    const QRect rect(card.x, card.y, Card::FanWidth, Card::FanHeight);
    for (int y = rect.top(); y <= rect.bottom(); y += 4) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            bool covered = false;
            for (int later = index + 1; later < inFan.size() && !covered; ++later)
                covered = m_session.cards()[inFan.at(later)].hitTest(x, y);
            if (!covered)
                return QPoint(x, y);
        }
    }
    return rect.topLeft();
}

QRect DeckFocus::ringRect(const TableGeometry &geometry) const
{
    const int index = fanIndex();
    if (index < 0)
        return geometry.stackedDeckRect();
    const Card &card = m_session.cards()[fanSlots().at(index)];
    return QRect(card.x, card.y, Card::FanWidth, Card::FanHeight);
}

QLine DeckFocus::cutLine(const TableGeometry &geometry) const
{
    if (!cutting())
        return {};
    const int x = cutX(cutCards(geometry), geometry);
    const QRect deck = geometry.stackedDeckRect();
    return QLine(x, deck.top(), x, deck.bottom());
}
