#pragma once

#include <QDate>
#include <QString>

// Which journal entries to show or count. Every part left at its default
// lets every entry through.
struct JournalFilter
{
    enum class Orientation
    {
        Any,
        Upright,
        Reversed,
    };

    // Words that must all occur (as word beginnings) in the comments, the
    // spread's name, its explanations or the cards' titles.
    QString text;
    QString spreadName;
    // A card number, or -1 for any card.
    int card = -1;
    // With a card: the position (from 0) it must lie at, or -1 for any.
    int position = -1;
    // The card's orientation; without a card, a reading with any card so.
    Orientation orientation = Orientation::Any;
    QDate from;
    QDate to;
    // Damaged files are listed, but they hold no cards to count.
    bool withDamaged = true;
};
