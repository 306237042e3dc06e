#pragma once

#include <QByteArray>
#include <QList>

#include "Deck.h"

#include <optional>

class RandomGenerator;
class TCard;
class TSpreadParser;
class UiTextTable;

// Moving a drawn card into the spread, and what the left panel says next.
namespace Drawing {

// Places `card` at position `drawnCount` and advances the count; false (and
// nothing changed) when every position is already filled.
bool placeInNextPosition(TCard &card, TSpreadParser &spread, int &drawnCount);

// The prompt once `drawnCount` positions are filled: the next ordinary
// position by its ordinal and explanation, or the note that the spread is
// complete. Empty while significator positions are still open, since their
// cards are chosen by hand with a prompt of their own.
std::optional<QByteArray> promptAfterDraw(const UiTextTable &texts, const TSpreadParser &spread,
                                          int drawnCount);

// Moves the significators' cards out of the fan: each goes to the next of the
// slots 0, N-1, 1, N-2, ... and the slots used are returned in that order, for
// the table to take those cards away.
QList<int> moveSignificatorsAside(Deck::Slots &cards, int deckSize, const TSpreadParser &spread);

// A card number for the automatic draw, uniform among the cards in play that
// lie in no position yet; -1 when every card in play is used.
int chooseAutomaticCard(const TSpreadParser &spread, int deckSize, RandomGenerator &random);

} // namespace Drawing
