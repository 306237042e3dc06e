#include "core/engine/Drawing.h"

#include "core/engine/Card.h"
#include "core/spreads/Placements.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"

#include <utility>

QList<int> Drawing::moveSignificatorsAside(Deck::Slots &cards, int deckSize, const Spread &spread,
                                           const Placements &placements)
{
    QList<int> used;
    int target = 0;
    int alternate = 0;
    for (int i = 0; i < spread.positionCount(); ++i) {
        if (!spread.positions.at(i).significator)
            continue;
        for (int slot = 0; slot < deckSize; ++slot) {
            if (cards[slot].number == quint32(placements.at(i).card))
                std::swap(cards[slot].number, cards[target].number);
        }
        used.append(target);
        target = deckSize + alternate - target - 1;
        alternate = 1 - alternate;
    }
    return used;
}

int Drawing::chooseAutomaticCard(const Placements &placements, int deckSize,
                                 RandomGenerator &random)
{
    int free = 0;
    for (int n = 0; n < deckSize; ++n)
        free += placements.contains(deckSize == 23 && n == 22 ? Deck::ExtraCard : n) ? 0 : 1;
    if (free == 0)
        return -1;
    for (;;) {
        int number = random.uniform(deckSize);
        if (deckSize == 23 && number == 22)
            number = Deck::ExtraCard;
        if (!placements.contains(number))
            return number;
    }
}
