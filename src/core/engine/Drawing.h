#pragma once

#include <QList>

#include "core/engine/Deck.h"

class Placements;
class RandomGenerator;
class Spread;

// Which cards a drawn reading takes out of the fan, and which the automatic
// draw picks.
namespace Drawing {

// Moves the significators' cards out of the fan: each goes to the next of the
// slots 0, N-1, 1, N-2, ... and the slots used are returned in that order, for
// the table to take those cards away.
QList<int> moveSignificatorsAside(Deck::Slots &cards, int deckSize, const Spread &spread,
                                  const Placements &placements);

// A card number for the automatic draw, uniform among the cards in play that
// lie in no position yet; -1 when every card in play is used.
int chooseAutomaticCard(const Placements &placements, int deckSize, RandomGenerator &random);

} // namespace Drawing
