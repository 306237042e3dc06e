#include "core/journal/JournalIndex.h"

#include "core/journal/JournalReader.h"
#include "core/util/TextCodec.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

// Raised whenever the tables change shape; an index of another version is
// made again from the files.
constexpr int SchemaVersion = 1;
// Changes are committed this often during an update, so that a window
// reading the index sees the journal grow.
constexpr int CommitEvery = 500;
const QString Memory = QStringLiteral(":memory:");

const char *const Schema[] = {
    "CREATE TABLE readings(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE, size INTEGER,"
    " mtime INTEGER, date TEXT, spread TEXT, deck_size INTEGER, cards TEXT, comments TEXT,"
    " damage TEXT)",
    "CREATE TABLE cards(reading INTEGER NOT NULL, position INTEGER, number INTEGER,"
    " reversed INTEGER, significator INTEGER, explanation TEXT)",
    "CREATE INDEX cards_by_reading ON cards(reading)",
    "CREATE INDEX cards_by_number ON cards(number, position)",
    "CREATE INDEX readings_by_date ON readings(date)",
    "CREATE VIRTUAL TABLE search USING fts5(comments, spread, explanations, titles,"
    " tokenize = 'unicode61 remove_diacritics 2')",
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT)",
};

// The cards column: "12 r33 5", each number behind "r" when reversed.
QString cardList(const QList<JournalCard> &cards)
{
    QStringList items;
    for (const JournalCard &card : cards)
        items.append((card.reversed ? QStringLiteral("r") : QString()) +
                     QString::number(card.number));
    return items.join(QLatin1Char(' '));
}

QList<std::pair<int, bool>> parseCardList(const QString &text)
{
    QList<std::pair<int, bool>> cards;
    for (const QString &item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool reversed = item.startsWith(QLatin1Char('r'));
        cards.append({item.mid(reversed ? 1 : 0).toInt(), reversed});
    }
    return cards;
}

// The full-text query for what the user typed: every word, as the start of
// a word, must occur. Words are quoted, so nothing typed is query syntax.
QString matchQuery(const QString &text)
{
    // Letters of every script are word characters, not only a to z.
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QStringList terms;
    for (const QString &word : text.split(separators, Qt::SkipEmptyParts))
        terms.append(QLatin1Char('"') + word + QStringLiteral("\"*"));
    return terms.join(QLatin1Char(' '));
}

// The WHERE clause over "readings r" for `filter`, with its values.
std::pair<QString, QVariantList> whereClause(const JournalFilter &filter)
{
    QStringList parts{QStringLiteral("1")};
    QVariantList values;
    const QString match = matchQuery(filter.text);
    if (!match.isEmpty()) {
        parts << QStringLiteral("r.id IN (SELECT rowid FROM search WHERE search MATCH ?)");
        values << match;
    }
    if (!filter.spreadName.isEmpty()) {
        parts << QStringLiteral("r.spread = ?");
        values << filter.spreadName;
    }
    QStringList card;
    if (filter.card >= 0) {
        card << QStringLiteral("c.number = ?");
        values << filter.card;
        if (filter.position >= 0) {
            card << QStringLiteral("c.position = ?");
            values << filter.position;
        }
    }
    if (filter.orientation != JournalFilter::Orientation::Any) {
        card << QStringLiteral("c.reversed = ?");
        values << int(filter.orientation == JournalFilter::Orientation::Reversed);
    }
    if (!card.isEmpty())
        parts << QStringLiteral("EXISTS (SELECT 1 FROM cards c WHERE c.reading = r.id AND %1)")
                     .arg(card.join(QStringLiteral(" AND ")));
    if (filter.from.isValid()) {
        parts << QStringLiteral("r.date >= ?");
        values << filter.from.toString(Qt::ISODate);
    }
    if (filter.to.isValid()) {
        parts << QStringLiteral("r.date <= ?");
        values << filter.to.toString(Qt::ISODate);
    }
    if (!filter.withDamaged)
        parts << QStringLiteral("r.damage = ''");
    return {parts.join(QStringLiteral(" AND ")), values};
}

// "yyyy-MM-dd" as stored, read without the general date parser: a list
// of ten thousand readings reads as many dates.
QDate isoDate(const QString &text)
{
    if (text.size() != 10)
        return {};
    return QDate(QStringView(text).left(4).toInt(), QStringView(text).mid(5, 2).toInt(),
                 QStringView(text).mid(8, 2).toInt());
}

// Text columns hold '' rather than NULL, so that comparisons with them hold.
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

} // namespace

// The database and the statements an update runs for every file.
struct JournalIndex::Connection
{
    QSqlDatabase db;
    QSqlQuery insertReading;
    QSqlQuery insertCard;
    QSqlQuery insertSearch;
    QSqlQuery deleteReading;
    QSqlQuery deleteCards;
    QSqlQuery deleteSearch;

    void prepare()
    {
        const auto prepared = [this](QSqlQuery &query, const char *sql) {
            query = QSqlQuery(db);
            query.prepare(QLatin1String(sql));
        };
        prepared(insertReading,
                 "INSERT INTO readings(path, size, mtime, date, spread, deck_size, cards,"
                 " comments, damage) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        prepared(insertCard, "INSERT INTO cards(reading, position, number, reversed,"
                             " significator, explanation) VALUES(?, ?, ?, ?, ?, ?)");
        prepared(insertSearch, "INSERT INTO search(rowid, comments, spread, explanations,"
                               " titles) VALUES(?, ?, ?, ?, ?)");
        prepared(deleteReading, "DELETE FROM readings WHERE id = ?");
        prepared(deleteCards, "DELETE FROM cards WHERE reading = ?");
        prepared(deleteSearch, "DELETE FROM search WHERE rowid = ?");
    }
};

JournalIndex::JournalIndex(const QString &databasePath)
    : m_path(databasePath)
{
    static QAtomicInteger<int> connections;
    m_connectionName = QStringLiteral("journal-%1").arg(connections.fetchAndAddRelaxed(1));
}

JournalIndex::~JournalIndex()
{
    close();
}

void JournalIndex::close()
{
    if (!m_connection)
        return;
    m_connection->db.close();
    m_connection.reset();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString JournalIndex::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Orvandel/Quillmoor/journal.sqlite");
}

bool JournalIndex::open(QString *errorString)
{
    close();
    m_rebuilt = false;
    if (m_path != Memory)
        QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (openChecked(errorString))
        return true;
    // The index holds nothing the files do not: start it afresh.
    close();
    if (m_path == Memory)
        return false;
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(m_path + suffix);
    m_rebuilt = true;
    return openChecked(errorString);
}

bool JournalIndex::openChecked(QString *errorString)
{
    m_connection = std::make_unique<Connection>();
    m_connection->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    QSqlDatabase &db = m_connection->db;
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    const auto fail = [&](const QString &what) {
        if (errorString)
            *errorString = what;
        return false;
    };
    if (!db.open())
        return fail(db.lastError().text());
    QSqlQuery version = run(db, QStringLiteral("PRAGMA user_version"));
    if (!version.next())
        return fail(version.lastError().text());
    const int found = version.value(0).toInt();
    version.finish();
    run(db, QStringLiteral("PRAGMA journal_mode = WAL"));
    run(db, QStringLiteral("PRAGMA synchronous = NORMAL"));
    if (found == 0 && !createSchema(errorString))
        return false;
    if (found != 0 && found != SchemaVersion)
        return fail(QStringLiteral("an index of another version"));
    for (const char *table : {"readings", "cards", "search", "meta"}) {
        // Each table is there and readable; reading it whole would cost as
        // much as the update that follows.
        QSqlQuery probe = run(db, QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table));
        if (probe.lastError().isValid())
            return fail(probe.lastError().text());
    }
    QSqlQuery language = run(db, QStringLiteral("SELECT value FROM meta WHERE key = 'titles'"));
    m_titlesKey = language.next() ? language.value(0).toString() : QString();
    m_connection->prepare();
    return true;
}

bool JournalIndex::createSchema(QString *errorString)
{
    QSqlDatabase &db = m_connection->db;
    db.transaction();
    for (const char *statement : Schema) {
        QSqlQuery query = run(db, QLatin1String(statement));
        if (query.lastError().isValid()) {
            if (errorString)
                *errorString = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    run(db, QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    return db.commit();
}

QString JournalIndex::titlesOf(const QList<JournalCard> &cards) const
{
    QStringList titles;
    for (const JournalCard &card : cards) {
        titles << TextCodec::decode(m_titles.at(size_t(card.number)), m_titlesLanguage);
        titles << TextCodec::decode(m_englishTitles.at(size_t(card.number)),
                                    QStringLiteral("English"));
    }
    return titles.join(QLatin1Char('\n'));
}

void JournalIndex::setTitles(const QString &language, const CardTitles::Table &titles,
                             const CardTitles::Table &englishTitles)
{
    // The titles change with the language, the numbering and the deck; the
    // index remembers which titles it holds by a digest of them.
    QCryptographicHash digest(QCryptographicHash::Sha1);
    digest.addData(language.toUtf8());
    for (const QByteArray &title : titles)
        digest.addData(title + '\n');
    const QString key = QString::fromLatin1(digest.result().toHex());
    m_titles = titles;
    m_englishTitles = englishTitles;
    m_titlesLanguage = language;
    if (!m_connection || key == m_titlesKey)
        return;
    m_titlesKey = key;
    QSqlDatabase &db = m_connection->db;
    db.transaction();
    run(db, QStringLiteral("INSERT OR REPLACE INTO meta(key, value) VALUES('titles', ?)"), {key});
    QSqlQuery readings = run(db, QStringLiteral("SELECT id FROM readings"));
    QList<qint64> ids;
    while (readings.next())
        ids << readings.value(0).toLongLong();
    readings.finish();
    for (qint64 id : ids) {
        if (const std::optional<JournalEntry> found = entry(id))
            run(db, QStringLiteral("UPDATE search SET titles = ? WHERE rowid = ?"),
                {titlesOf(found->cards), id});
    }
    db.commit();
}

QList<QFileInfo> JournalIndex::readingFileInfos(const QStringList &folders)
{
    QList<QFileInfo> files;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        // The folder is made canonical once; a path within it is then one
        // name for its file without a look at every file's links.
        const QString root = QFileInfo(folder).canonicalFilePath();
        if (root.isEmpty())
            continue;
        QDirIterator it(root, {QStringLiteral("*.reading")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo file = it.fileInfo();
            if (!seen.contains(file.filePath())) {
                seen.insert(file.filePath());
                files.append(file);
            }
        }
    }
    return files;
}

QStringList JournalIndex::readingFiles(const QStringList &folders)
{
    QStringList paths;
    for (const QFileInfo &file : readingFileInfos(folders))
        paths.append(file.filePath());
    return paths;
}

JournalIndex::UpdateCounts JournalIndex::update(const QStringList &folders, JournalReader &reader,
                                                const Progress &progress)
{
    UpdateCounts counts;
    if (!m_connection)
        return counts;
    QSqlDatabase &db = m_connection->db;
    struct Known
    {
        qint64 id;
        qint64 size;
        qint64 modified;
    };
    QHash<QString, Known> known;
    QSqlQuery all = run(db, QStringLiteral("SELECT id, path, size, mtime FROM readings"));
    while (all.next())
        known.insert(all.value(1).toString(), {all.value(0).toLongLong(), all.value(2).toLongLong(),
                                               all.value(3).toLongLong()});
    all.finish();

    QList<QFileInfo> changed;
    for (const QFileInfo &file : readingFileInfos(folders)) {
        const QString path = file.filePath();
        ++counts.files;
        const auto found = known.constFind(path);
        if (found == known.cend() || found->size != file.size() ||
            found->modified != file.lastModified().toMSecsSinceEpoch())
            changed.append(file);
        else
            known.remove(path);
    }

    db.transaction();
    for (auto gone = known.cbegin(); gone != known.cend(); ++gone) {
        // A changed file's entry is replaced below; only a missing one is gone.
        if (!QFileInfo::exists(gone.key()) || !QFileInfo(gone.key()).isFile())
            ++counts.removed;
        remove(gone->id);
    }
    for (const QFileInfo &file : changed) {
        if (progress && !progress(counts.read, int(changed.size())))
            break;
        insert(reader.read(file));
        if (++counts.read % CommitEvery == 0) {
            db.commit();
            db.transaction();
        }
    }
    db.commit();
    if (progress)
        progress(counts.read, int(changed.size()));
    QSqlQuery damaged = run(db, QStringLiteral("SELECT count(*) FROM readings WHERE damage <> ''"));
    counts.damaged = damaged.next() ? damaged.value(0).toInt() : 0;
    return counts;
}

void JournalIndex::insert(const JournalEntry &entry)
{
    Connection &c = *m_connection;
    for (const QVariant &value :
         {QVariant(entry.path), QVariant(entry.size), QVariant(entry.modified),
          QVariant(entry.date.toString(Qt::ISODate)), QVariant(notNull(entry.spreadName)),
          QVariant(entry.deckSize), QVariant(cardList(entry.cards)),
          QVariant(notNull(entry.comments)), QVariant(notNull(entry.damage))})
        c.insertReading.addBindValue(value);
    c.insertReading.exec();
    const qint64 id = c.insertReading.lastInsertId().toLongLong();
    QStringList explanations;
    for (const JournalCard &card : entry.cards) {
        for (const QVariant &value : {QVariant(id), QVariant(card.position), QVariant(card.number),
                                      QVariant(int(card.reversed)),
                                      QVariant(int(card.significator)), QVariant(card.explanation)})
            c.insertCard.addBindValue(value);
        c.insertCard.exec();
        explanations << card.explanation;
    }
    for (const QVariant &value :
         {QVariant(id), QVariant(notNull(entry.comments)), QVariant(notNull(entry.spreadName)),
          QVariant(explanations.join(QLatin1Char('\n'))), QVariant(titlesOf(entry.cards))})
        c.insertSearch.addBindValue(value);
    c.insertSearch.exec();
}

void JournalIndex::remove(qint64 id)
{
    Connection &c = *m_connection;
    for (QSqlQuery *query : {&c.deleteCards, &c.deleteSearch, &c.deleteReading}) {
        query->addBindValue(id);
        query->exec();
    }
}

QList<JournalIndex::Row> JournalIndex::find(const JournalFilter &filter) const
{
    QList<Row> rows;
    if (!m_connection)
        return rows;
    const auto [where, values] = whereClause(filter);
    QSqlQuery query =
        run(m_connection->db,
            QStringLiteral(
                "SELECT r.id, r.path, r.date, r.spread, r.deck_size,"
                " r.cards, substr(r.comments, 1, instr(r.comments || char(10), char(10)) - 1),"
                " r.damage FROM readings r"
                " WHERE %1 ORDER BY r.date DESC, r.path")
                .arg(where),
            values);
    while (query.next()) {
        Row row;
        row.id = query.value(0).toLongLong();
        row.path = query.value(1).toString();
        row.date = isoDate(query.value(2).toString());
        row.spreadName = query.value(3).toString();
        row.deckSize = query.value(4).toInt();
        row.cards = parseCardList(query.value(5).toString());
        row.firstCommentLine = query.value(6).toString();
        row.damage = query.value(7).toString();
        rows.append(row);
    }
    return rows;
}

std::optional<JournalEntry> JournalIndex::entry(qint64 id) const
{
    if (!m_connection)
        return std::nullopt;
    QSqlQuery reading = run(m_connection->db,
                            QStringLiteral("SELECT path, size, mtime, date, spread, deck_size,"
                                           " comments, damage FROM readings WHERE id = ?"),
                            {id});
    if (!reading.next())
        return std::nullopt;
    JournalEntry entry;
    entry.path = reading.value(0).toString();
    entry.size = reading.value(1).toLongLong();
    entry.modified = reading.value(2).toLongLong();
    entry.date = isoDate(reading.value(3).toString());
    entry.spreadName = reading.value(4).toString();
    entry.deckSize = reading.value(5).toInt();
    entry.comments = reading.value(6).toString();
    entry.damage = reading.value(7).toString();
    QSqlQuery cards = run(m_connection->db,
                          QStringLiteral("SELECT position, number, reversed, significator,"
                                         " explanation FROM cards WHERE reading = ?"
                                         " ORDER BY position"),
                          {id});
    while (cards.next()) {
        entry.cards.append({cards.value(0).toInt(), cards.value(1).toInt(), cards.value(2).toBool(),
                            cards.value(3).toBool(), cards.value(4).toString()});
    }
    return entry;
}

JournalStats JournalIndex::stats(const JournalFilter &filter) const
{
    JournalStats stats;
    if (!m_connection)
        return stats;
    JournalFilter readable = filter;
    readable.withDamaged = false;
    const auto [where, values] = whereClause(readable);
    const QSqlDatabase &db = m_connection->db;
    QSqlQuery months = run(db,
                           QStringLiteral("SELECT substr(r.date, 1, 7), count(*) FROM readings r"
                                          " WHERE %1 GROUP BY 1")
                               .arg(where),
                           values);
    while (months.next()) {
        stats.perMonth.insert(months.value(0).toString(), months.value(1).toInt());
        stats.readings += months.value(1).toInt();
    }
    QSqlQuery cards = run(db,
                          QStringLiteral("SELECT c.number, c.reversed, count(*) FROM cards c"
                                         " WHERE c.reading IN (SELECT r.id FROM readings r"
                                         " WHERE %1) GROUP BY 1, 2")
                              .arg(where),
                          values);
    while (cards.next()) {
        const int number = cards.value(0).toInt();
        const int count = cards.value(2).toInt();
        if (number >= 0 && number < int(stats.cards.size()))
            stats.cards[size_t(number)] += count;
        (cards.value(1).toBool() ? stats.reversed : stats.upright) += count;
    }
    return stats;
}

QStringList JournalIndex::spreadNames() const
{
    QStringList names;
    if (!m_connection)
        return names;
    QSqlQuery query = run(m_connection->db, QStringLiteral("SELECT DISTINCT spread FROM readings"
                                                           " WHERE spread <> '' ORDER BY 1"));
    while (query.next())
        names << query.value(0).toString();
    return names;
}
