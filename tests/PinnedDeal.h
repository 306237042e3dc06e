#pragma once

#include "core/engine/Deck.h"

#include <QByteArray>
#include <QList>

// A deal pinned against card orders written down once: the table's sequence
// of a deal, a reseed and three shuffle frames from one fixed seed, with
// reversals on. Any change to the generator, the deal or the shuffle moves
// these cards. A deck is written as its slots' cards in order, "r" before the
// number of a reversed one.
namespace PinnedDeal {

constexpr quint32 Seed = 20260101u;
constexpr int Frames = 3;

constexpr char Shuffled78[] =
    "3 r36 34 59 11 r76 20 69 39 41 r55 r2 54 r62 r30 r17 r24 48 r44 65 r38 r4 75 14 66 r37 72 "
    "r51 r56 r64 r42 33 32 49 40 52 r63 7 22 r46 r27 r77 68 r12 1 31 r5 25 r8 57 r13 15 r74 73 10 "
    "r16 19 47 23 43 r35 r9 r0 45 6 r28 67 29 50 r58 60 r18 70 r53 21 26 71 61";
constexpr char Shuffled22[] = "14 7 r0 1 r16 r3 r13 r6 r8 2 20 15 r5 10 19 r21 12 r17 r9 r11 4 18";

inline QList<QByteArray> layout(const Deck::Slots &cards, int deckSize)
{
    QList<QByteArray> result;
    for (int slot = 0; slot < deckSize; ++slot)
        result.append((cards[slot].reversed ? "r" : "") + QByteArray::number(cards[slot].number));
    return result;
}

inline QList<QByteArray> layout(const char *written)
{
    return QByteArray(written).split(' ');
}

// The slots a written layout describes; slots beyond it are left as made.
inline Deck::Slots fromLayout(const char *written)
{
    Deck::Slots cards;
    const QList<QByteArray> entries = layout(written);
    for (int slot = 0; slot < entries.size(); ++slot) {
        const bool reversed = entries[slot].startsWith('r');
        cards[slot].number = entries[slot].mid(reversed ? 1 : 0).toUInt();
        cards[slot].reversed = reversed ? 1 : 0;
    }
    return cards;
}

} // namespace PinnedDeal
