#pragma once

#include "core/engine/Deck.h"

// Cutting the deck at a card count k: only the card numbers move between the
// slots; each slot keeps its orientation.
namespace DeckCut {

// The cut point for a click at table x on a stacked deck centred in a table
// `tableWidth` wide: the deck's 196 pixels spread over the cards in play.
int cutPoint(int x, int tableWidth, int deckSize);

// Three piles: the top k cards (A), the middle (B), the bottom h = (N-k)/2
// cards (C) are stacked again as C, B, A. k is clamped to 1 .. N-1.
void threePiles(Deck::Slots &cards, int deckSize, int k);

// A plain cut: the top k cards go below the rest. k is clamped to 1 .. N-1.
void plain(Deck::Slots &cards, int deckSize, int k);

} // namespace DeckCut
