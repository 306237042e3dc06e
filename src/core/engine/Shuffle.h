#pragma once

#include "core/engine/Deck.h"

class RandomGenerator;

// The shuffle: frame after frame of random exchanges between the slots in
// play, until the user stops it.
namespace Shuffle {

// Exchange steps in one frame: fewer with reversals, since each step then
// also turns a card.
int stepsPerFrame(bool useReverse);

// One frame: `stepsPerFrame` times, exchange the numbers of two random slots
// and, with reversals, give one random slot a fresh orientation.
void frame(Deck::Slots &cards, int deckSize, bool useReverse, RandomGenerator &random);

} // namespace Shuffle
