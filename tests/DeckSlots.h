#pragma once

#include "core/engine/Deck.h"

#include <QList>

// Decks a test can predict: slot n holds card n, every other one reversed,
// and the card numbers of a deck's slots in order.
inline Deck::Slots numberedDeck(int deckSize)
{
    Deck::Slots cards;
    for (int slot = 0; slot < deckSize; ++slot) {
        cards[slot].number = quint32(slot);
        cards[slot].reversed = slot % 2;
    }
    return cards;
}

inline QList<quint32> numbers(const Deck::Slots &cards, int deckSize)
{
    QList<quint32> result;
    for (int slot = 0; slot < deckSize; ++slot)
        result.append(cards[slot].number);
    return result;
}
