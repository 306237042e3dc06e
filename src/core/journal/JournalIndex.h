#pragma once

#include "core/journal/JournalEntry.h"
#include "core/journal/JournalFilter.h"
#include "core/journal/JournalStats.h"
#include "core/lang/CardTitles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

class JournalReader;
class QFileInfo;

// The journal's index of reading files: an SQLite database of every reading
// found in the journal's folders, with full-text search over its comments,
// spread, explanations and card titles. It is derived data: a damaged index
// is deleted and made again from the files. One object is one connection,
// to be used in the thread that made it; several may share a database file.
class JournalIndex
{
public:
    // A reading as the journal lists it.
    struct Row
    {
        qint64 id = 0;
        QString path;
        QDate date;
        QString spreadName;
        int deckSize = 0;
        // (card number, reversed) by position.
        QList<std::pair<int, bool>> cards;
        QString firstCommentLine;
        QString damage;
    };

    struct UpdateCounts
    {
        // Reading files found in the folders.
        int files = 0;
        // Files read because they were new or changed since the last update.
        int read = 0;
        // Entries dropped because their file is gone.
        int removed = 0;
        // Files listed as damaged, of all found.
        int damaged = 0;
    };
    // Told (files read so far, files to read); returning false stops the
    // update, keeping what was indexed until then.
    using Progress = std::function<bool(int done, int total)>;

    // `databasePath` is a file, or ":memory:" for an index that lasts as
    // long as this object.
    explicit JournalIndex(const QString &databasePath);
    ~JournalIndex();
    JournalIndex(const JournalIndex &) = delete;
    JournalIndex &operator=(const JournalIndex &) = delete;

    // Opens the database, making it when missing and making it again when it
    // is damaged or of another kind; false when even that fails.
    bool open(QString *errorString = nullptr);
    // Whether open() found a damaged index and made a new one.
    bool wasRebuilt() const { return m_rebuilt; }

    // The card titles searches find cards by, in `language` and English.
    // When the language differs from the one the index was made with, every
    // entry's titles are replaced.
    void setTitles(const QString &language, const CardTitles::Table &titles,
                   const CardTitles::Table &englishTitles);

    // Brings the index up to date with the reading files under `folders`:
    // files whose size and modification time are unchanged are not read.
    UpdateCounts update(const QStringList &folders, JournalReader &reader,
                        const Progress &progress = {});

    // The entries `filter` lets through, newest first.
    QList<Row> find(const JournalFilter &filter) const;
    // Everything the index holds on entry `id`.
    std::optional<JournalEntry> entry(qint64 id) const;
    // The counts over the readable entries `filter` lets through.
    JournalStats stats(const JournalFilter &filter) const;
    // The spreads of the indexed readings, by name.
    QStringList spreadNames() const;

    // Where the program keeps its index: the user's cache folder.
    static QString defaultPath();
    // The reading files under `folders` and their sub-folders, each once.
    static QStringList readingFiles(const QStringList &folders);

private:
    struct Connection;
    static QList<QFileInfo> readingFileInfos(const QStringList &folders);
    bool openChecked(QString *errorString);
    bool createSchema(QString *errorString);
    void close();
    // The titles column of the search table for `cards`.
    QString titlesOf(const QList<JournalCard> &cards) const;
    void insert(const JournalEntry &entry);
    void remove(qint64 id);

    QString m_path;
    QString m_connectionName;
    std::unique_ptr<Connection> m_connection;
    bool m_rebuilt = false;
    QString m_titlesLanguage = QStringLiteral("English");
    // Which titles the index holds; see setTitles().
    QString m_titlesKey;
    CardTitles::Table m_titles;
    CardTitles::Table m_englishTitles;
};
