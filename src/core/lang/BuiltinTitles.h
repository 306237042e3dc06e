#pragma once

#include <QByteArray>

namespace BuiltinTitles {

// Number of titles in the table: one per card number of a 79-card deck.
constexpr int Count = 79;

// Title of card `number` (0 to 78) for decks with an extra 79th card, whose
// titles are fixed rather than read from the language's card list.
QByteArray title(int number);

} // namespace BuiltinTitles
