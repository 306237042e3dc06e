#pragma once

#include <QByteArray>
#include <QList>

#include "core/engine/Deck.h"

#include <optional>

class RandomGenerator;
class Card;
class Spread;
class UiTextTable;

// Moving a drawn card into the spread, and what the left panel says next.
namespace Drawing {

// Places `card` at position `drawnCount` and advances the count; false (and
// nothing changed) when every position is already filled.
bool placeInNextPosition(Card &card, Spread &spread, int &drawnCount);

// The prompt once `drawnCount` positions are filled: the next ordinary
// position by its ordinal and explanation, or the note that the spread is
// complete. Empty while significator positions are still open, since their
// cards are chosen by hand with a prompt of their own.
std::optional<QByteArray> promptAfterDraw(const UiTextTable &texts, const Spread &spread,
                                          int drawnCount);

// Moves the significators' cards out of the fan: each goes to the next of the
// slots 0, N-1, 1, N-2, ... and the slots used are returned in that order, for
// the table to take those cards away.
QList<int> moveSignificatorsAside(Deck::Slots &cards, int deckSize, const Spread &spread);

// A card number for the automatic draw, uniform among the cards in play that
// lie in no position yet; -1 when every card in play is used.
int chooseAutomaticCard(const Spread &spread, int deckSize, RandomGenerator &random);

} // namespace Drawing
