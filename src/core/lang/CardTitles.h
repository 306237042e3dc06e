#pragma once

#include "core/data/DataRoots.h"

#include <QByteArray>
#include <QString>

#include <array>

// The title of every card number, as shown in windows and reports.
namespace CardTitles {

using Table = std::array<QByteArray, 79>;

struct Numbering
{
    // Strength is card XI (and Justice VIII) rather than the other way round.
    bool strengthEleven = true;
    // Court cards in the New Age sequence (Princess, Prince, Queen, King),
    // the first four court lines of each suit; else the traditional Page,
    // Knight, Queen, King, the second four. Settings store it under this name.
    bool ardenvaleStyle = true;
};

// Fills `titles` from the text of a card list: cards 0 to 21 with two
// alternative lines for cards 8 and 11, four suits of ten numbered cards and
// two alternative court sequences, then an optional line for card 78.
// Titles the text does not reach keep their values.
void applyCardList(const QByteArray &text, const Numbering &numbering, Table &titles);

// Rebuilds `titles` for the current deck and language: the fixed titles of a
// 79-card deck, otherwise the language's card list with the English one as
// fallback. Without a readable list the titles stay as they are.
void load(Table &titles, const DataRoots &roots, const QString &language, bool deck79,
          const Numbering &numbering);

} // namespace CardTitles
