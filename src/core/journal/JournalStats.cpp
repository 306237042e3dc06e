#include "core/journal/JournalStats.h"

#include "core/engine/Deck.h"

#include <algorithm>

namespace {

constexpr int SuitSize = Deck::MinorArcanaCount / JournalStats::SuitCount;

QByteArray csvField(const QString &text)
{
    QByteArray field = text.toUtf8();
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n'))
        return field;
    return '"' + field.replace("\"", "\"\"") + '"';
}

QByteArray csvRow(const QString &section, const QString &key, const QString &label, int count)
{
    return csvField(section) + ',' + csvField(key) + ',' + csvField(label) + ',' +
           QByteArray::number(count) + "\r\n";
}

} // namespace

int JournalStats::majorArcana() const
{
    int total = 0;
    for (int number = 0; number < Deck::MajorArcanaCount; ++number)
        total += cards[number];
    return total;
}

std::array<int, JournalStats::SuitCount> JournalStats::suits() const
{
    std::array<int, SuitCount> totals{};
    for (int number = Deck::MajorArcanaCount; number < Deck::ExtraCard; ++number)
        totals[(number - Deck::MajorArcanaCount) / SuitSize] += cards[number];
    return totals;
}

QList<std::pair<int, int>> JournalStats::top(int count) const
{
    QList<std::pair<int, int>> ranked;
    for (int number = 0; number < int(cards.size()); ++number) {
        if (cards[number] > 0)
            ranked.append({number, cards[number]});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return ranked.mid(0, count);
}

QByteArray JournalStats::toCsv(const std::function<QString(int)> &cardTitle,
                               const std::function<QString(const QString &)> &groupLabel) const
{
    QByteArray csv = "section,key,label,count\r\n";
    csv += csvRow(QStringLiteral("readings"), QString(), QString(), readings);
    for (int number = 0; number < int(cards.size()); ++number) {
        if (cards[number] > 0)
            csv += csvRow(QStringLiteral("card"), QString::number(number), cardTitle(number),
                          cards[number]);
    }
    const QString major = QStringLiteral("major");
    csv += csvRow(QStringLiteral("group"), major, groupLabel(major), majorArcana());
    const std::array<int, SuitCount> suitCounts = suits();
    for (int suit = 0; suit < SuitCount; ++suit) {
        const QString key = QStringLiteral("suit%1").arg(suit + 1);
        csv += csvRow(QStringLiteral("group"), key, groupLabel(key), suitCounts[suit]);
    }
    for (const auto &[key, count] : {std::pair{QStringLiteral("upright"), upright},
                                     std::pair{QStringLiteral("reversed"), reversed}})
        csv += csvRow(QStringLiteral("orientation"), key, groupLabel(key), count);
    for (auto month = perMonth.cbegin(); month != perMonth.cend(); ++month)
        csv += csvRow(QStringLiteral("month"), month.key(), month.key(), month.value());
    return csv;
}
