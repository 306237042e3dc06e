#include "core/engine/Shuffle.h"

#include "core/util/RandomGenerator.h"

#include <utility>

int Shuffle::stepsPerFrame(bool useReverse)
{
    const int k = useReverse ? 350 : 500;
    return (k + 1) * (k + 1);
}

void Shuffle::frame(Deck::Slots &cards, int deckSize, bool useReverse, RandomGenerator &random)
{
    const int steps = stepsPerFrame(useReverse);
    for (int step = 0; step < steps; ++step) {
        const int i = random.uniform(deckSize);
        const int j = random.uniform(deckSize);
        std::swap(cards[i].number, cards[j].number);
        if (useReverse) {
            const int r = random.uniform(78);
            const int s = random.uniform(deckSize);
            cards[s].reversed = r > 38 ? 1 : 0;
        }
    }
}
