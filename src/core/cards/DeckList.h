#pragma once

#include "core/data/DataRoots.h"

#include <QList>
#include <QString>

// The decks a user can choose: the folders under Pics that hold card
// pictures, in the order the deck chooser lists them.
namespace DeckList {

struct Deck
{
    QString name;
    // How many of the pictures 0.jpg to 78.jpg the folder holds.
    int cardCount = 0;
    // The lowest card number whose picture can be read, shown to preview the deck.
    int firstCard = 0;
    // The deck has the 79th card (78.jpg), whose titles are built in.
    bool extraCard = false;

    bool operator==(const Deck &other) const
    {
        return name == other.name && cardCount == other.cardCount && firstCard == other.firstCard &&
               extraCard == other.extraCard;
    }
};

// The deck folders under Pics in every data root, sorted by name, ignoring case. Plain
// files, folders whose names begin with "." and folders without a single card
// picture that reads as an image are left out: choosing them would show no
// pictures. So are names that are not plain (a backslash), which the settings
// would refuse.
QList<Deck> scan(const DataRoots &roots);

} // namespace DeckList
