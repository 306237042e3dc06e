#pragma once

#include "DeckStyle.h"

// Where a card number sits in the deck: a trump (0 to 21, and the extra card
// 78) or a suit card with its rank, 1 to 10 for the numbered cards and 11 to
// 14 for page, knight, queen and king.
struct CardPosition
{
    bool trump = true;
    Suit suit = Suit::Wands;
    int rank = 0;

    static constexpr int FirstSuitCard = 22;
    static constexpr int CardsPerSuit = 14;
    static constexpr int ExtraCard = 78;

    static CardPosition of(int number)
    {
        CardPosition position;
        if (number < FirstSuitCard || number >= ExtraCard)
            return position;
        const int inSuits = number - FirstSuitCard;
        position.trump = false;
        position.suit = Suit(inSuits / CardsPerSuit);
        position.rank = inSuits % CardsPerSuit + 1;
        return position;
    }

    bool court() const { return !trump && rank > 10; }
};
