#pragma once

#include <QDate>
#include <QList>
#include <QString>

// One card of a journal entry: where it lay in the spread and how.
struct JournalCard
{
    int position = 0;
    int number = 0;
    bool reversed = false;
    bool significator = false;
    // What the position stands for, as the spread explains it.
    QString explanation;
};

// What the journal knows of one reading file: where it is, when it was made,
// and what was laid. A file that cannot be read as a reading keeps its place
// in the journal with `damage` saying why, so it is listed, not lost.
struct JournalEntry
{
    QString path;
    qint64 size = 0;
    // Modification time in milliseconds since the epoch, as the file system says.
    qint64 modified = 0;
    QDate date;
    QString spreadName;
    // 22, 23, 78 or 79: the deck the reading was made with.
    int deckSize = 0;
    QList<JournalCard> cards;
    QString comments;
    QString damage;

    bool isDamaged() const { return !damage.isEmpty(); }
};
