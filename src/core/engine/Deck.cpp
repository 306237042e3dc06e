#include "core/engine/Deck.h"

#include "core/util/RandomGenerator.h"
#include "core/util/Rounding.h"

int Deck::sizeFor(bool majorOnly, bool deck79)
{
    return MajorArcanaCount + (majorOnly ? 0 : MinorArcanaCount) + (deck79 ? 1 : 0);
}

int Deck::fanX(int slot, int deckSize, int tableWidth)
{
    // The step is rounded to the nearest, but never so far up that the last
    // card would reach past the table's right edge.
    const int room = tableWidth - Card::FanWidth - 20;
    int step = roundHalfEven(double(room) / deckSize);
    if (deckSize > 1)
        step = qMin(step, room / (deckSize - 1));
    return slot * step + 20;
}

int Deck::fanY(int slot, int deckSize, bool deck79)
{
    // The arc drops by 78 * 78 / 20 pixels from the middle to either end.
    const int middle = roundHalfEven(deckSize * 0.5);
    const int span = deckSize - (deck79 ? 1 : 0);
    const qint64 offset = slot - middle + 1;
    return roundHalfEven(double(offset * offset * 6084) / double(qint64(span) * span * 20)) + 9;
}

void Deck::deal(Slots &cards, int deckSize, bool deck79, bool useReverse, int tableWidth,
                RandomGenerator &random)
{
    for (int i = 0; i < deckSize; ++i) {
        cards[i].x = fanX(i, deckSize, tableWidth);
        cards[i].y = fanY(i, deckSize, deck79);
    }
    random.seedFromClock();
    for (int i = 0; i < deckSize; ++i) {
        bool repeated;
        do {
            quint32 number = quint32(random.uniform(deckSize));
            if (deckSize == MajorArcanaCount + 1 && number == MajorArcanaCount)
                number = ExtraCard;
            cards[i].number = number;
            repeated = false;
            for (int j = 0; j < i && !repeated; ++j)
                repeated = cards[j].number == number;
        } while (repeated);
        cards[i].reversed = useReverse && random.uniform(78) > 38 ? 1 : 0;
    }
}
