#include "core/engine/CardChoice.h"

#include "core/engine/Deck.h"

namespace {

bool isSignificatorCandidate(int number)
{
    return number < Deck::MajorArcanaCount || (number >= 32 && number <= 35) ||
           (number >= 46 && number <= 49) || (number >= 60 && number <= 63) || number > 73;
}

} // namespace

QList<int> CardChoice::significatorCards(int deckSize)
{
    const int candidates = deckSize > 25 ? deckSize : deckSize + Deck::MinorArcanaCount;
    QList<int> cards;
    for (int number = 0; number < candidates; ++number) {
        if (isSignificatorCandidate(number))
            cards.append(number);
    }
    return cards;
}

QList<int> CardChoice::manualCards(int deckSize)
{
    QList<int> cards;
    for (int number = 0; number < deckSize; ++number)
        cards.append(deckSize == Deck::MajorArcanaCount + 1 && number == Deck::MajorArcanaCount
                         ? Deck::ExtraCard
                         : number);
    return cards;
}
