#pragma once

#include "core/readings/ReadingFile.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QTime>

// Reading files made by a rule, for the journal's tests and benchmark: reading
// i lies on spread "Pair" (a significator and one card) when i is a multiple
// of 3, else on "Three"; its deck and cards follow from i, every fifth one
// mentions a harbour in its comments, and its file is named for a day and
// time that follow from i too.
namespace GeneratedReadings {

constexpr int DeckSize = 78;

inline QString spreadOf(int i)
{
    return i % 3 == 0 ? QStringLiteral("Pair") : QStringLiteral("Three");
}

inline QDate dateOf(int i)
{
    return QDate(2025, 1, 1).addDays(i * 3 % 1000);
}

// The spreads the readings lie on, saved in `root`'s Spreads folder.
inline bool writeSpreads(const QString &root)
{
    RandomGenerator random;
    Spread pair;
    pair.positions = {{QPoint(0, 0), "You", true}, {QPoint(100, 0), "What crosses you", false}};
    Spread three;
    three.positions = {{QPoint(0, 0), "Past", false},
                       {QPoint(100, 0), "Present", false},
                       {QPoint(200, 0), "Future", false}};
    const QString folder = root + QStringLiteral("/Spreads/");
    return QDir().mkpath(folder) && pair.save(folder + QStringLiteral("Pair.spread"), random) &&
           three.save(folder + QStringLiteral("Three.spread"), random);
}

inline ReadingFile readingOf(int i)
{
    ReadingFile reading;
    reading.spreadName = spreadOf(i).toUtf8();
    for (int slot = 0; slot < DeckSize; ++slot)
        reading.cards.append({quint32((slot * 5 + i) % DeckSize), (slot + i) % 4 == 0});
    const int positions = i % 3 == 0 ? 2 : 3;
    for (int k = 0; k < positions; ++k)
        reading.positions.append(reading.cards.at((k * 11 + i * i) % DeckSize).number);
    reading.comments = i % 5 == 0 ? QByteArray("By the harbour, reading ") + QByteArray::number(i) +
                                        "\r\nA second line"
                                  : QByteArray("Reading ") + QByteArray::number(i);
    return reading;
}

// Writes reading i into `folder`; its path, empty when it could not be written.
inline QString write(const QString &folder, int i)
{
    const QString path =
        QStringLiteral("%1/%2 %3 - %4.reading")
            .arg(folder, dateOf(i).toString(Qt::ISODate),
                 QTime(0, 0).addSecs(i).toString(QStringLiteral("HH-mm-ss")), spreadOf(i));
    return readingOf(i).save(path) ? path : QString();
}

} // namespace GeneratedReadings
