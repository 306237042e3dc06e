// Checks the journal's index against a plain count over the reading files it
// was made from: what searches find, what the counts say, that only changed
// files are read again, and that a damaged index is made again.
#include "GeneratedReadings.h"
#include "TestFiles.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/journal/JournalIndex.h"
#include "core/journal/JournalKeeper.h"
#include "core/journal/JournalReader.h"
#include "core/readings/ReadingFile.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

#include <QDirIterator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

constexpr int ReadingCount = 60;
// Cards whose made-up titles the searches look for.
constexpr int TitledCard = 16;

// A reading as the files say it, read without the journal.
struct PlainReading
{
    QString path;
    QDate date;
    QString spread;
    QList<std::pair<int, bool>> cards;
    QString comments;
};

QList<PlainReading> plainReadings(const QString &folder, int *damaged)
{
    const QHash<QByteArray, int> positions = {{"Pair", 2}, {"Three", 3}};
    QList<PlainReading> readings;
    *damaged = 0;
    QDirIterator it(folder, {QStringLiteral("*.reading")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray bytes;
        ReadingFile::Heading heading;
        ReadingFile reading;
        if (!WholeFile::read(path, bytes) ||
            ReadingFile::readHeading(bytes, heading) != ReadingFile::ParseResult::Ok ||
            reading.parse(bytes, positions.value(heading.spreadName, -1)) !=
                ReadingFile::ParseResult::Ok) {
            ++*damaged;
            continue;
        }
        PlainReading plain{QFileInfo(path).canonicalFilePath(),
                           QDate::fromString(QFileInfo(path).fileName().left(10), Qt::ISODate),
                           QString::fromUtf8(reading.spreadName),
                           {},
                           QString::fromUtf8(reading.comments)};
        for (quint32 number : reading.positions) {
            for (const ReadingFile::DeckCard &slot : reading.cards) {
                if (slot.number == number) {
                    plain.cards.append({int(number), slot.reversed});
                    break;
                }
            }
        }
        readings.append(plain);
    }
    return readings;
}

QSet<QString> pathsOf(const QList<JournalIndex::Row> &rows)
{
    QSet<QString> paths;
    for (const JournalIndex::Row &row : rows)
        paths.insert(row.path);
    return paths;
}

using Expected = std::function<bool(const PlainReading &)>;

bool hasCard(const PlainReading &reading, int number, int position = -1, int reversed = -1)
{
    for (int k = 0; k < reading.cards.size(); ++k) {
        if (reading.cards.at(k).first == number && (position < 0 || position == k) &&
            (reversed < 0 || int(reading.cards.at(k).second) == reversed))
            return true;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(JournalFilter)
Q_DECLARE_METATYPE(Expected)

class TestJournalIndex : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findsReadings_data();
    void findsReadings();
    void countsMatchThePlainCount();
    void readsOnlyWhatChanged();
    void damagedIndexIsMadeAgain();
    void readingDayComesFromTheName_data();
    void readingDayComesFromTheName();
    void damagedFilesSayWhy_data();
    void damagedFilesSayWhy();
    void completedReadingsAreKeptWhenWanted_data();
    void completedReadingsAreKeptWhenWanted();

private:
    QString readingsDir() const { return m_root.filePath(QStringLiteral("Saved")); }
    // A fresh index of the readings folder, updated once.
    std::unique_ptr<JournalIndex> indexAt(const QString &path,
                                          JournalIndex::UpdateCounts *counts = nullptr);

    QTemporaryDir m_root;
    QList<PlainReading> m_plain;
    int m_plainDamaged = 0;
    CardTitles::Table m_titles;
    CardTitles::Table m_englishTitles;
};

void TestJournalIndex::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(GeneratedReadings::writeSpreads(m_root.path()));
    for (int i = 0; i < ReadingCount; ++i) {
        // Some lie in a sub-folder, as the readings the journal keeps do.
        const QString folder = readingsDir() + (i % 4 == 0 ? QStringLiteral("/Journal") : "");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!GeneratedReadings::write(folder, i).isEmpty());
    }
    QVERIFY(writeTestFile(readingsDir() + QStringLiteral("/2025-02-02 broken.reading"),
                          QByteArray(ReadingFile::Header) + "\xce\xcd"));
    m_plain = plainReadings(readingsDir(), &m_plainDamaged);
    QCOMPARE(m_plain.size(), ReadingCount);
    QCOMPARE(m_plainDamaged, 1);
    m_titles[TitledCard] = QStringLiteral("Башня").toUtf8();
    m_englishTitles[TitledCard] = "The Tower";
}

std::unique_ptr<JournalIndex> TestJournalIndex::indexAt(const QString &path,
                                                        JournalIndex::UpdateCounts *counts)
{
    auto index = std::make_unique<JournalIndex>(path);
    if (!index->open())
        return nullptr;
    index->setTitles(QStringLiteral("Russian"), m_titles, m_englishTitles);
    JournalReader reader(DataRoots(m_root.path()), QStringLiteral("Russian"));
    const JournalIndex::UpdateCounts made = index->update({readingsDir()}, reader);
    if (counts)
        *counts = made;
    return index;
}

void TestJournalIndex::findsReadings_data()
{
    QTest::addColumn<JournalFilter>("filter");
    QTest::addColumn<Expected>("expected");
    const auto filter = [](auto set) {
        JournalFilter f;
        f.withDamaged = false;
        set(f);
        return f;
    };
    const auto mentions = [](const QString &word) {
        return [word](const PlainReading &r) { return r.comments.contains(word); };
    };
    QTest::newRow("word in the comments, any case")
        << filter([](JournalFilter &f) { f.text = QStringLiteral("HARBOUR"); })
        << Expected(mentions(QStringLiteral("harbour")));
    QTest::newRow("start of a word, and a second word")
        << filter([](JournalFilter &f) { f.text = QStringLiteral("harb \"second"); })
        << Expected(mentions(QStringLiteral("harbour")));
    QTest::newRow("spread's explanation")
        << filter([](JournalFilter &f) { f.text = QStringLiteral("crosses"); })
        << Expected([](const PlainReading &r) { return r.spread == QLatin1String("Pair"); });
    QTest::newRow("card title in the language")
        << filter([](JournalFilter &f) { f.text = QStringLiteral("башня"); })
        << Expected([](const PlainReading &r) { return hasCard(r, TitledCard); });
    QTest::newRow("card title in English")
        << filter([](JournalFilter &f) { f.text = QStringLiteral("tower"); })
        << Expected([](const PlainReading &r) { return hasCard(r, TitledCard); });
    QTest::newRow("card anywhere") << filter([](JournalFilter &f) { f.card = 6; })
                                   << Expected([](const PlainReading &r) { return hasCard(r, 6); });
    QTest::newRow("card at a position") << filter([](JournalFilter &f) {
        f.card = 6;
        f.position = 2;
    }) << Expected([](const PlainReading &r) { return hasCard(r, 6, 2); });
    QTest::newRow("card reversed") << filter([](JournalFilter &f) {
        f.card = 6;
        f.orientation = JournalFilter::Orientation::Reversed;
    }) << Expected([](const PlainReading &r) { return hasCard(r, 6, -1, 1); });
    QTest::newRow("date range") << filter([](JournalFilter &f) {
        f.from = QDate(2025, 2, 1);
        f.to = QDate(2025, 3, 31);
    }) << Expected([](const PlainReading &r) {
        return r.date >= QDate(2025, 2, 1) && r.date <= QDate(2025, 3, 31);
    });
    QTest::newRow("spread and word") << filter([](JournalFilter &f) {
        f.spreadName = QStringLiteral("Three");
        f.text = QStringLiteral("harbour");
    }) << Expected([](const PlainReading &r) {
        return r.spread == QLatin1String("Three") && r.comments.contains("harbour");
    });
}

void TestJournalIndex::findsReadings()
{
    QFETCH(JournalFilter, filter);
    QFETCH(Expected, expected);
    const auto index = indexAt(QStringLiteral(":memory:"));
    QVERIFY(index);
    QSet<QString> wanted;
    for (const PlainReading &reading : m_plain) {
        if (expected(reading))
            wanted.insert(reading.path);
    }
    QVERIFY(!wanted.isEmpty());
    const QSet<QString> found = pathsOf(index->find(filter));
    QCOMPARE(found.size(), wanted.size());
    QCOMPARE(found, wanted);
}

void TestJournalIndex::countsMatchThePlainCount()
{
    JournalIndex::UpdateCounts counts;
    const auto index = indexAt(QStringLiteral(":memory:"), &counts);
    QVERIFY(index);
    QCOMPARE(counts.files, ReadingCount + 1);
    QCOMPARE(counts.damaged, m_plainDamaged);

    JournalStats plain;
    for (const PlainReading &reading : m_plain) {
        ++plain.readings;
        ++plain.perMonth[reading.date.toString(QStringLiteral("yyyy-MM"))];
        for (const auto &[number, reversed] : reading.cards) {
            ++plain.cards[size_t(number)];
            ++(reversed ? plain.reversed : plain.upright);
        }
    }
    const JournalStats stats = index->stats({});
    QCOMPARE(stats.readings, plain.readings);
    QVERIFY(stats.cards == plain.cards);
    QCOMPARE(stats.upright, plain.upright);
    QCOMPARE(stats.reversed, plain.reversed);
    QCOMPARE(stats.perMonth, plain.perMonth);
    QCOMPARE(stats.majorArcana() + stats.suits()[0] + stats.suits()[1] + stats.suits()[2] +
                 stats.suits()[3],
             plain.upright + plain.reversed);

    // The damaged file is listed, with the reason, and counted nowhere.
    const QList<JournalIndex::Row> all = index->find({});
    QCOMPARE(all.size(), ReadingCount + 1);
    const auto damaged = std::find_if(all.cbegin(), all.cend(), [](const JournalIndex::Row &row) {
        return !row.damage.isEmpty();
    });
    QVERIFY(damaged != all.cend());
    QVERIFY(damaged->path.endsWith(QLatin1String("broken.reading")));
    QVERIFY2(damaged->damage.contains(QLatin1String("deck line count")),
             qPrintable(damaged->damage));
}

void TestJournalIndex::readsOnlyWhatChanged()
{
    QTemporaryDir cache;
    const QString database = cache.filePath(QStringLiteral("journal.sqlite"));
    JournalIndex::UpdateCounts counts;
    QVERIFY(indexAt(database, &counts));
    QCOMPARE(counts.read, ReadingCount + 1);
    QVERIFY(indexAt(database, &counts));
    QCOMPARE(counts.read, 0);

    // One file changed, one new, one gone.
    const QString changed = m_plain.at(1).path;
    QByteArray bytes;
    QVERIFY(WholeFile::read(changed, bytes));
    QVERIFY(writeTestFile(changed, bytes + ScrambledText::scramble(" lighthouse")));
    const QString added = GeneratedReadings::write(readingsDir(), ReadingCount);
    const QString gone = m_plain.at(2).path;
    QVERIFY(QFile::rename(gone, gone + QStringLiteral(".away")));
    const auto index = indexAt(database, &counts);
    QVERIFY(QFile::rename(gone + QStringLiteral(".away"), gone));
    QVERIFY(QFile::remove(added));
    QVERIFY(writeTestFile(changed, bytes));
    QVERIFY(index);
    QCOMPARE(counts.read, 2);
    QCOMPARE(counts.removed, 1);
    JournalFilter lighthouse;
    lighthouse.text = QStringLiteral("lighthouse");
    QCOMPARE(pathsOf(index->find(lighthouse)), QSet<QString>{changed});
    QCOMPARE(index->find({}).size(), ReadingCount + 1);
}

void TestJournalIndex::damagedIndexIsMadeAgain()
{
    QTemporaryDir cache;
    const QString database = cache.filePath(QStringLiteral("journal.sqlite"));
    QVERIFY(writeTestFile(database, QByteArray(4096, '\x5a')));
    JournalIndex::UpdateCounts counts;
    const auto index = indexAt(database, &counts);
    QVERIFY(index);
    QVERIFY(index->wasRebuilt());
    QCOMPARE(counts.read, ReadingCount + 1);
    QCOMPARE(index->stats({}).readings, ReadingCount);
}

void TestJournalIndex::readingDayComesFromTheName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    const QDate modified(2024, 6, 30);
    QTest::newRow("kept by the journal") << QStringLiteral("2025-03-04 10-11-12 - Three")
                                         << QStringLiteral("en_GB") << QDate(2025, 3, 4);
    QTest::newRow("proposed by Save, day first")
        << QStringLiteral("31.12.05 - Question") << QStringLiteral("de_DE") << QDate(2005, 12, 31);
    QTest::newRow("proposed by Save, two-digit year")
        << QStringLiteral("12.31.05 - Question") << QStringLiteral("en_US") << QDate(2005, 12, 31);
    QTest::newRow("deck with the extra card") << QStringLiteral("31.12.05 -Veldmere- Question")
                                              << QStringLiteral("de_DE") << QDate(2005, 12, 31);
    QTest::newRow("no date: the day it was written")
        << QStringLiteral("evening") << QStringLiteral("en_GB") << modified;
    QTest::newRow("not a day") << QStringLiteral("2025-02-30 - Three") << QStringLiteral("en_GB")
                               << modified;
}

void TestJournalIndex::readingDayComesFromTheName()
{
    QFETCH(QString, name);
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QCOMPARE(
        JournalReader::dateOf(name, QDateTime(QDate(2024, 6, 30), QTime(20, 0)), QLocale(locale)),
        date);
}

void TestJournalIndex::damagedFilesSayWhy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    ReadingFile unknown = GeneratedReadings::readingOf(1);
    unknown.spreadName = "Nowhere";
    const ReadingFile whole = GeneratedReadings::readingOf(1);
    QTest::newRow("empty") << QByteArray() << QStringLiteral("empty");
    QTest::newRow("another kind of file")
        << QByteArray("\x89PNG\r\n") << QStringLiteral("not a reading file");
    QTest::newRow("spread not installed")
        << unknown.write() << QStringLiteral("'Nowhere' is not installed");
    QTest::newRow("cut short") << whole.write().left(300) << QStringLiteral("has no line end");
}

void TestJournalIndex::damagedFilesSayWhy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("2025-01-01 x.reading"));
    QVERIFY(writeTestFile(path, bytes));
    JournalReader reader(DataRoots(m_root.path()), QStringLiteral("English"));
    const JournalEntry entry = reader.read(QFileInfo(path));
    QVERIFY2(entry.damage.contains(reason), qPrintable(entry.damage));
    QVERIFY(entry.cards.isEmpty());
}

void TestJournalIndex::completedReadingsAreKeptWhenWanted_data()
{
    QTest::addColumn<bool>("keep");
    QTest::newRow("kept") << true;
    QTest::newRow("not wanted") << false;
}

void TestJournalIndex::completedReadingsAreKeptWhenWanted()
{
    QFETCH(bool, keep);
    QTemporaryDir root;
    QVERIFY(GeneratedReadings::writeSpreads(root.path()));
    ProgramData data(root.path());
    Preferences preferences;
    preferences.setKeepEveryReading(keep);
    ReadingSession session(data, preferences);
    JournalKeeper keeper(session, data.roots(), preferences);
    QSignalSpy failures(&keeper, &JournalKeeper::keepFailed);
    QVERIFY(session.startTypingIn(QStringLiteral("Three")));
    for (int position = 0; position < 3; ++position)
        QVERIFY(session.placeChosenCard(position, TitledCard + position, position == 1));
    QCOMPARE(session.phase(), ReadingSession::Phase::Complete);
    // Comments typed when the reading is then saved go with it.
    preferences.setReportComments(QStringLiteral("Kept by the journal"));

    const QStringList kept = JournalIndex::readingFiles({root.filePath(QStringLiteral("Saved"))});
    QCOMPARE(kept.size(), keep ? 1 : 0);
    QCOMPARE(failures.size(), 0);
    if (!keep)
        return;
    QVERIFY2(kept.first().endsWith(QLatin1String(" - Three.reading")), qPrintable(kept.first()));
    JournalReader reader(data.roots(), QStringLiteral("English"));
    const JournalEntry entry = reader.read(QFileInfo(kept.first()));
    QCOMPARE(entry.damage, QString());
    QCOMPARE(entry.comments, QStringLiteral("Kept by the journal"));
    QCOMPARE(entry.cards.size(), 3);
    QCOMPARE(entry.cards.at(1).number, TitledCard + 1);
    QVERIFY(entry.cards.at(1).reversed);
    QCOMPARE(entry.date, QDate::currentDate());
}

QTEST_GUILESS_MAIN(TestJournalIndex)
#include "test_JournalIndex.moc"
