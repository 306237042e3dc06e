#pragma once

#include "core/engine/Card.h"

#include <array>

class RandomGenerator;

// The deck in play: its size rule, the fan geometry and the deal.
namespace Deck {

constexpr int SlotCount = 79;
constexpr int MajorArcanaCount = 22;
constexpr int MinorArcanaCount = 56;
constexpr int ExtraCard = 78;

using Slots = std::array<Card, SlotCount>;

// 22, 23, 78 or 79: the Major Arcana, the suits unless `majorOnly`, and the
// extra card when the deck has one.
int sizeFor(bool majorOnly, bool deck79);

// Left and top of fan slot `slot` among `deckSize` cards on a table
// `tableWidth` pixels wide: a shallow arc, highest in the middle.
int fanX(int slot, int deckSize, int tableWidth);
int fanY(int slot, int deckSize, bool deck79);

// Deals a fresh order, orientations and fan places to the first `deckSize`
// slots. Reseeds `random` from the clock first. With 23 cards the extra card
// 78 takes the place of number 22.
void deal(Slots &cards, int deckSize, bool deck79, bool useReverse, int tableWidth,
          RandomGenerator &random);

} // namespace Deck
