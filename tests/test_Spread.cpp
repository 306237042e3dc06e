// Checks the spread file: a golden file reads to its written-down spread and
// that spread writes the same bytes apart from the random line prefixes, what
// is saved reads back, and a damaged or foreign file is refused without harm.
#include "NonRegularFiles.h"
#include "SpreadBuilder.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The spread in tests/data/two-significators.spread, as written in its text
// source.
Spread twoSignificators()
{
    Spread spread;
    spread.positions.resize(4);
    spread.positions[0].significator = true;
    spread.positions[1].significator = true;
    placeAt(spread, {{-15, 7}, {300, 0}, {120, -40}, {205, 310}});
    spread.positions[0].explanation = "You, as you are now";
    spread.positions[1].explanation = "The other";
    spread.positions[3].explanation = "What lies between you";
    return spread;
}

} // namespace

class TestSpread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void roundTripKeepsPositions();
    void savesDifferButLoadTheSame();
    void readsTheGoldenFile();
    void writesTheGoldenBytesButTheLinePrefixes();
    void readsHandMadeFile();
    void readsFilesWithAnyLineEnd_data();
    void readsFilesWithAnyLineEnd();
    void significatorsAreCounted();
    void significatorsCountOnlyThisFilesPositions();
    void refusesSpreadsTheTableCannotLay_data();
    void refusesSpreadsTheTableCannotLay();
    void loadForgetsTheEarlierSpread();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void neverStoresMoreThanItHolds();
    void failedSaveIsReportedAndKeepsOldFile();
    void specialFileIsUnreadableNotMissing_data();
    void specialFileIsUnreadableNotMissing();

private:
    QString path(const QString &name) const;
    [[nodiscard]] bool writeScrambled(const QString &file, const QByteArray &plain);
    std::unique_ptr<QTemporaryDir> m_dir;
    RandomGenerator m_random;
};

void TestSpread::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Spreads")));
}

QString TestSpread::path(const QString &name) const
{
    return Spread::filePath(m_dir->path(), name);
}

bool TestSpread::writeScrambled(const QString &file, const QByteArray &plain)
{
    return WholeFile::write(file, ScrambledText::scramble(plain));
}

void TestSpread::roundTripKeepsPositions()
{
    Spread spread;
    spread.positions.resize(3);
    placeAt(spread, {{10, 20}, {110, 20}, {210, -5}});
    spread.positions[0].explanation = "Past";
    spread.positions[1].explanation = "";
    spread.positions[2].explanation = "Future, near or far";
    QVERIFY(spread.save(path(QStringLiteral("Three")), m_random));

    Spread loaded;
    QCOMPARE(loaded.load(path(QStringLiteral("Three"))), Spread::LoadResult::Loaded);
    QCOMPARE(loaded.positionCount(), 3);
    QCOMPARE(loaded.significatorCount(), 0);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(loaded.positions.at(i).place.x(), spread.positions.at(i).place.x());
        QCOMPARE(loaded.positions.at(i).place.y(), spread.positions.at(i).place.y());
        QCOMPARE(loaded.explanation(i), spread.explanation(i));
    }
}

void TestSpread::savesDifferButLoadTheSame()
{
    Spread spread;
    spread.positions.resize(2);
    spread.positions[0].place.setX(1);
    spread.positions[1].place.setX(2);
    spread.positions[0].explanation = "One";
    spread.positions[1].explanation = "Two";
    // Each save reseeds: a counter held by the source itself, which outlives
    // this test with the generator, gives each save its own prefixes.
    m_random.setSeedSource([seed = quint32(1)]() mutable { return seed++; });
    QVERIFY(spread.save(path(QStringLiteral("a")), m_random));
    QVERIFY(spread.save(path(QStringLiteral("b")), m_random));
    QByteArray first;
    QByteArray second;
    QVERIFY(WholeFile::read(path(QStringLiteral("a")), first));
    QVERIFY(WholeFile::read(path(QStringLiteral("b")), second));
    QVERIFY(first != second);
    QCOMPARE(first.size(), second.size());
    Spread a;
    Spread b;
    QCOMPARE(a.load(path(QStringLiteral("a"))), Spread::LoadResult::Loaded);
    QCOMPARE(b.load(path(QStringLiteral("b"))), Spread::LoadResult::Loaded);
    QCOMPARE(a.explanation(1), b.explanation(1));
    QCOMPARE(a.positions.at(1).place.x(), b.positions.at(1).place.x());
}

void TestSpread::readsTheGoldenFile()
{
    Spread spread;
    QCOMPARE(spread.load(QFINDTESTDATA("data/two-significators.spread")),
             Spread::LoadResult::Loaded);
    QCOMPARE(spread.positionCount(), 4);
    QCOMPARE(spread.significatorCount(), 2);
    const Spread expected = twoSignificators();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(spread.positions.at(i).significator, expected.positions.at(i).significator);
        QCOMPARE(spread.explanation(i), expected.explanation(i));
        QCOMPARE(spread.positions.at(i).place, expected.positions.at(i).place);
    }
}

void TestSpread::writesTheGoldenBytesButTheLinePrefixes()
{
    QVERIFY(twoSignificators().save(path(QStringLiteral("s")), m_random));
    QByteArray saved;
    QByteArray golden;
    QVERIFY(WholeFile::read(path(QStringLiteral("s")), saved));
    QVERIFY(WholeFile::read(QFINDTESTDATA("data/two-significators.spread"), golden));
    QVERIFY(!saved.contains("You")); // nothing readable on disk
    // Every line starts with six random bytes; the rest is fixed.
    const QList<QByteArray> savedLines = ScrambledText::scramble(saved).split('\n');
    const QList<QByteArray> goldenLines = ScrambledText::scramble(golden).split('\n');
    QCOMPARE(savedLines.size(), 6); // five lines, each ended by CR LF
    QCOMPARE(savedLines.size(), goldenLines.size());
    for (int i = 0; i < savedLines.size(); ++i)
        QCOMPARE(savedLines[i].mid(6), goldenLines[i].mid(6));
    QCOMPARE(savedLines[2].mid(6), QByteArray("S300,0,The other\r"));
    QVERIFY(savedLines.last().isEmpty());
}

void TestSpread::readsHandMadeFile()
{
    // Prefixes may hold any byte but NUL, CR, LF and comma: 0xFF and "S" too.
    QVERIFY(writeScrambled(path(QStringLiteral("hand")), QByteArray("\xff"
                                                                    "S9x\x01y"
                                                                    "2\r\n"
                                                                    "abcdefS40,206,Me, myself\r\n"
                                                                    "SSSSSS500,20,\r\n")));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("hand"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.positionCount(), 2);
    // An "S" inside the prefix does not make a significator.
    QCOMPARE(spread.significatorCount(), 1);
    QVERIFY(spread.positions.at(0).significator);
    QVERIFY(!spread.positions.at(1).significator);
    QCOMPARE(spread.positions.at(0).place.x(), 40);
    QCOMPARE(spread.explanation(0), QByteArray("Me, myself"));
    QCOMPARE(spread.positions.at(1).place.x(), 500);
    QCOMPARE(spread.explanation(1), QByteArray());
}

void TestSpread::readsFilesWithAnyLineEnd_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
    QTest::newRow("CR LF") << QByteArray("\r\n");
}

void TestSpread::readsFilesWithAnyLineEnd()
{
    QFETCH(QByteArray, lineEnd);
    QVERIFY(writeScrambled(path(QStringLiteral("ends")), "pppppp2" + lineEnd + "ppppppS10,20,You" +
                                                             lineEnd + "pppppp30,40,The way" +
                                                             lineEnd));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("ends"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.positionCount(), 2);
    QCOMPARE(spread.significatorCount(), 1);
    QCOMPARE(spread.explanation(0), QByteArray("You"));
    QCOMPARE(spread.positions.at(1).place.y(), 40);
    QCOMPARE(spread.explanation(1), QByteArray("The way"));
}

void TestSpread::significatorsAreCounted()
{
    QVERIFY(writeScrambled(path(QStringLiteral("two")), "pppppp3\r\n"
                                                        "ppppppS10,10,You\r\n"
                                                        "ppppppS200,10,The other\r\n"
                                                        "pppppp100,200,Between you\r\n"));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("two"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.significatorCount(), 2);
    QVERIFY(spread.positions.at(0).significator && spread.positions.at(1).significator);
    QVERIFY(!spread.positions.at(2).significator);
}

void TestSpread::significatorsCountOnlyThisFilesPositions()
{
    QVERIFY(writeScrambled(path(QStringLiteral("two")), "pppppp3\r\n"
                                                        "ppppppS10,10,You\r\n"
                                                        "ppppppS200,10,The other\r\n"
                                                        "pppppp100,200,Between you\r\n"));
    QVERIFY(writeScrambled(path(QStringLiteral("one")), "pppppp2\r\n"
                                                        "pppppp10,10,Past\r\n"
                                                        "pppppp200,10,Future\r\n"));
    // An "S" line beyond the announced count is no position of the spread.
    QVERIFY(writeScrambled(path(QStringLiteral("extra")), "pppppp1\r\n"
                                                          "ppppppS10,10,You\r\n"
                                                          "ppppppS200,10,Beyond\r\n"));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("two"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.load(path(QStringLiteral("one"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.significatorCount(), 0);
    QVERIFY(!spread.positions.at(0).significator && !spread.positions.at(1).significator);

    QCOMPARE(spread.load(path(QStringLiteral("extra"))), Spread::LoadResult::Unreadable);
    QVERIFY(spread.significatorCount() <= spread.positionCount());
    QCOMPARE(spread.significatorCount(), 1);
}

void TestSpread::refusesSpreadsTheTableCannotLay_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QString>("fault");
    QTest::newRow("fewer lines than announced")
        << QByteArray("pppppp5\r\npppppp1,1,a\r\npppppp2,2,b\r\npppppp3,3,c\r\npppppp4,4,d\r\n")
        << QStringLiteral("announces 5 positions but holds 4");
    QTest::newRow("last line without its line end")
        << QByteArray("pppppp2\r\npppppp1,1,a\r\npppppp2,2,b")
        << QStringLiteral("announces 2 positions but holds 1");
    QTest::newRow("more lines than announced")
        << QByteArray("pppppp1\r\npppppp1,1,a\r\npppppp2,2,b\r\n")
        << QStringLiteral("announces 1 positions but holds 2");
    QTest::newRow("no positions") << QByteArray("pppppp0\r\n") << QStringLiteral("no positions");
    QTest::newRow("significator after an ordinary position")
        << QByteArray("pppppp3\r\npppppp1,1,a\r\nppppppS2,2,b\r\npppppp3,3,c\r\n")
        << QStringLiteral("position 2 is a significator after an ordinary position");
    QTest::newRow("x beyond the limit")
        << QByteArray("pppppp2\r\npppppp1,1,a\r\npppppp100001,2,b\r\n")
        << QStringLiteral("position 2 lies more than 100000 pixels");
    QTest::newRow("y near the largest number")
        << QByteArray("pppppp1\r\npppppp0,2147483647,a\r\n")
        << QStringLiteral("position 1 lies more than 100000 pixels");
    QTest::newRow("x at the smallest number")
        << QByteArray("pppppp1\r\npppppp-2147483648,0,a\r\n")
        << QStringLiteral("position 1 lies more than 100000 pixels");
}

void TestSpread::refusesSpreadsTheTableCannotLay()
{
    QFETCH(QByteArray, plain);
    QFETCH(QString, fault);
    QVERIFY(writeScrambled(path(QStringLiteral("odd")), plain));
    Spread spread;
    QString error;
    QCOMPARE(spread.load(path(QStringLiteral("odd")), &error), Spread::LoadResult::Unreadable);
    QVERIFY2(error.contains(fault), qPrintable(error));
}

void TestSpread::loadForgetsTheEarlierSpread()
{
    QVERIFY(writeScrambled(path(QStringLiteral("two")),
                           "pppppp2\r\npppppp1,1,Past\r\npppppp2,2,Future\r\n"));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("two"))), Spread::LoadResult::Loaded);
    QCOMPARE(spread.explanation(1), QByteArray("Future"));
    QCOMPARE(spread.load(path(QStringLiteral("gone"))), Spread::LoadResult::Missing);
    QCOMPARE(spread.positionCount(), 0);
    QVERIFY(spread.explanation(0).isEmpty());
    QVERIFY(spread.explanation(1).isEmpty());
}

void TestSpread::refusesForeignFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("positionsKept");
    QTest::newRow("plain text, not scrambled") << QByteArray("pppppp1\r\npppppp1,1,a\r\n") << 0;
    QTest::newRow("count not a number")
        << ScrambledText::scramble("ppppppthree\r\npppppp1,1,a\r\n") << 0;
    QTest::newRow("line without commas")
        << ScrambledText::scramble("pppppp2\r\npppppp1,1,a\r\npppppp22\r\n") << 1;
    QTest::newRow("coordinate not a number")
        << ScrambledText::scramble("pppppp2\r\npppppp1,1,a\r\npppppp2,y,b\r\n") << 1;
    QTest::newRow("no line end at all") << ScrambledText::scramble("pppppp1") << 0;
    QTest::newRow("empty file") << QByteArray() << 0;
}

void TestSpread::refusesForeignFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, positionsKept);
    QVERIFY(WholeFile::write(path(QStringLiteral("bad")), bytes));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("bad"))), Spread::LoadResult::Unreadable);
    QCOMPARE(spread.positionCount(), positionsKept);
    if (positionsKept > 0)
        QCOMPARE(spread.positions.at(0).place.x(), 1);

    QString error;
    QCOMPARE(spread.load(path(QStringLiteral("missing")), &error), Spread::LoadResult::Missing);
    QVERIFY(!error.isEmpty());
}

void TestSpread::neverStoresMoreThanItHolds()
{
    QByteArray plain = "pppppp100\r\n";
    for (int i = 0; i < 100; ++i)
        plain += "pppppp" + QByteArray::number(i) + ",0,x\r\n";
    QVERIFY(writeScrambled(path(QStringLiteral("big")), plain));
    Spread spread;
    QCOMPARE(spread.load(path(QStringLiteral("big"))), Spread::LoadResult::Unreadable);
    QCOMPARE(spread.positionCount(), Spread::Capacity);
    QCOMPARE(spread.positions.at(78).place.x(), 78);

    QVERIFY(writeScrambled(path(QStringLiteral("huge")), "pppppp2147483647\r\npppppp5,5,a\r\n"));
    Spread huge;
    QCOMPARE(huge.load(path(QStringLiteral("huge"))), Spread::LoadResult::Unreadable);
    QCOMPARE(huge.positionCount(), 1);
    QCOMPARE(huge.positions.at(0).place.x(), 5);

    QVERIFY(writeScrambled(path(QStringLiteral("negative")), "pppppp-4\r\npppppp5,5,a\r\n"));
    Spread negative;
    QCOMPARE(negative.load(path(QStringLiteral("negative"))), Spread::LoadResult::Unreadable);
    QCOMPARE(negative.positionCount(), 0);
}

void TestSpread::failedSaveIsReportedAndKeepsOldFile()
{
    Spread spread;
    spread.positions.resize(1);
    spread.positions[0].explanation = "Kept";
    QVERIFY(spread.save(path(QStringLiteral("keep")), m_random));
    QByteArray before;
    QVERIFY(WholeFile::read(path(QStringLiteral("keep")), before));

    QString error;
    const QString nowhere = m_dir->filePath(QStringLiteral("NoSuchFolder/x.spread"));
    QVERIFY(!spread.save(nowhere, m_random, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(nowhere));

    // A name too long for a temporary file beside it: the old file survives.
    const QString longName = m_dir->filePath(QString(250, QLatin1Char('k')));
    QVERIFY(QFile::copy(path(QStringLiteral("keep")), longName));
    spread.positions[0].explanation = "Replaced";
    QVERIFY(!spread.save(longName, m_random, &error));
    QByteArray after;
    QVERIFY(WholeFile::read(longName, after));
    QCOMPARE(after, before);
}

void TestSpread::specialFileIsUnreadableNotMissing_data()
{
    NonRegularFiles::addRows();
}

void TestSpread::specialFileIsUnreadableNotMissing()
{
    // A pipe or a device where a spread file should be is refused at once
    // as no regular file, not called missing.
    QFETCH(QString, kind);
    QVERIFY(NonRegularFiles::make(path(QStringLiteral("Special")), kind));
    QElapsedTimer clock;
    clock.start();
    Spread spread;
    QString error;
    QCOMPARE(spread.load(path(QStringLiteral("Special")), &error), Spread::LoadResult::Unreadable);
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestSpread)
#include "test_Spread.moc"
