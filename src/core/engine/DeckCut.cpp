#include "core/engine/DeckCut.h"

#include <QtGlobal>

#include <vector>

namespace {

std::vector<quint32> numbers(const Deck::Slots &cards, int from, int to)
{
    std::vector<quint32> result;
    for (int slot = from; slot < to; ++slot)
        result.push_back(cards[slot].number);
    return result;
}

void place(Deck::Slots &cards, int from, const std::vector<quint32> &pile)
{
    for (size_t i = 0; i < pile.size(); ++i)
        cards[from + int(i)].number = pile[i];
}

} // namespace

int DeckCut::cutPoint(int x, int tableWidth, int deckSize)
{
    return (x - tableWidth / 2 + 77) * deckSize / 196 + 1;
}

void DeckCut::threePiles(Deck::Slots &cards, int deckSize, int k)
{
    k = qBound(1, k, deckSize - 1);
    const int h = (deckSize - k) / 2;
    const auto pileA = numbers(cards, 0, k);
    const auto pileB = numbers(cards, k, deckSize - h);
    const auto pileC = numbers(cards, deckSize - h, deckSize);
    place(cards, 0, pileC);
    place(cards, h, pileB);
    place(cards, deckSize - k, pileA);
}

void DeckCut::plain(Deck::Slots &cards, int deckSize, int k)
{
    k = qBound(1, k, deckSize - 1);
    const auto top = numbers(cards, 0, k);
    const auto rest = numbers(cards, k, deckSize);
    place(cards, 0, rest);
    place(cards, deckSize - k, top);
}
