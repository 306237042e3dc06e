#pragma once

#include <QList>

// The cards offered when a card is chosen by hand, in list order.
namespace CardChoice {

// For a significator: the Major Arcana, the sixteen court cards (offered even
// when only the Major Arcana are in play) and the extra card of a 79-card deck.
QList<int> significatorCards(int deckSize);

// For a reading typed in from a physical deck: every card in play in number
// order, the extra card last.
QList<int> manualCards(int deckSize);

} // namespace CardChoice
