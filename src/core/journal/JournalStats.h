#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <array>
#include <functional>
#include <utility>

// How often cards came up in a set of readings: each card, the Major Arcana
// against each suit, upright against reversed, and readings per month.
struct JournalStats
{
    static constexpr int SuitCount = 4;

    int readings = 0;
    // Times each card number lay in a position.
    std::array<int, 79> cards{};
    int upright = 0;
    int reversed = 0;
    // Readings per month, keyed "yyyy-MM".
    QMap<QString, int> perMonth;

    int majorArcana() const;
    // The four suits in card-number order (22-35, 36-49, 50-63, 64-77).
    std::array<int, SuitCount> suits() const;
    // The `count` cards that came up most, as (number, times), most first;
    // ties go to the lower number. Cards that never came up are left out.
    QList<std::pair<int, int>> top(int count) const;

    // The counts as CSV: "section,key,label,count" rows for every card that
    // came up, the Major Arcana and each suit, each orientation and each
    // month. `label` names a card, a group ("major", "suit1".."suit4") or
    // an orientation ("upright", "reversed").
    QByteArray toCsv(const std::function<QString(int)> &cardTitle,
                     const std::function<QString(const QString &)> &groupLabel) const;
};
