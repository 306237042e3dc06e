// Checks the byte-level text routines: scrambling, line prefixes, paths and dates.
#include "core/util/Misc.h"
#include "core/util/RandomGenerator.h"

#include <QtTest>

class TestMisc : public QObject
{
    Q_OBJECT

private slots:
    void scrambleFlipsAllButZeroAndFF();
    void scrambleIsItsOwnInverse();
    void linePrefixAvoidsSeparators();
    void extractDir_data();
    void extractDir();
    void dotsForSlashes_data();
    void dotsForSlashes();
    void bytesToStringStopsAtZero();
    void decimalAcceptsOnlyWholeNumbers_data();
    void decimalAcceptsOnlyWholeNumbers();
};

void TestMisc::scrambleFlipsAllButZeroAndFF()
{
    QCOMPARE(Misc::scramble("abc"), QByteArray("\x9e\x9d\x9c"));
    QCOMPARE(Misc::scramble("\r\n"), QByteArray("\xf2\xf5"));
    QCOMPARE(Misc::scramble(QByteArray()), QByteArray());
    const QByteArray fixed("\x00\xff\x00\xff", 4);
    QCOMPARE(Misc::scramble(fixed), fixed);
}

void TestMisc::scrambleIsItsOwnInverse()
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    const QByteArray scrambled = Misc::scramble(everyByte);
    QCOMPARE(scrambled.size(), everyByte.size());
    QCOMPARE(Misc::scramble(scrambled), everyByte);
    // Only bytes that were zero become zero, so a reader cut at NUL loses nothing.
    QCOMPARE(scrambled.count('\0'), 1);
}

void TestMisc::linePrefixAvoidsSeparators()
{
    RandomGenerator random;
    random.seed(7);
    QSet<char> seen;
    for (int i = 0; i < 5000; ++i) {
        const QByteArray prefix = Misc::randomLinePrefix(random);
        QCOMPARE(prefix.size(), 6);
        for (char c : prefix) {
            QVERIFY(c != '\0' && c != '\n' && c != '\r' && c != ',');
            seen.insert(c);
        }
    }
    // All 252 allowed byte values turn up, 0xFF among them.
    QCOMPARE(seen.size(), 252);
    QVERIFY(seen.contains(char(0xFF)));
}

void TestMisc::extractDir_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("dir");
    QTest::newRow("nested") << "/a/b/quillmoor"
                            << "/a/b";
    QTest::newRow("bare name") << "quillmoor"
                               << "quillmoor";
    QTest::newRow("root") << "/"
                          << "";
    QTest::newRow("trailing slash") << "/opt/app/"
                                    << "/opt/app";
}

void TestMisc::extractDir()
{
    QFETCH(QString, path);
    QFETCH(QString, dir);
    QCOMPARE(Misc::folderOf(path), dir);
}

void TestMisc::dotsForSlashes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("slashes") << QByteArray("12/31/2005") << QByteArray("12.31.2005");
    QTest::newRow("backslashes") << QByteArray("31\\12\\05") << QByteArray("31.12.05");
    QTest::newRow("mixed") << QByteArray("a/b\\c") << QByteArray("a.b.c");
    QTest::newRow("none") << QByteArray("31-12-2005") << QByteArray("31-12-2005");
}

void TestMisc::dotsForSlashes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(Misc::dotsForSlashes(text), expected);
}

void TestMisc::bytesToStringStopsAtZero()
{
    QCOMPARE(Misc::untilFirstNul(QByteArray("ab\0cd", 5)), QByteArray("ab"));
    QCOMPARE(Misc::untilFirstNul(QByteArray("\0ab", 3)), QByteArray());
    QCOMPARE(Misc::untilFirstNul(QByteArray("abc")), QByteArray("abc"));
}

void TestMisc::decimalAcceptsOnlyWholeNumbers_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("206") << true << 206;
    QTest::newRow("negative") << QByteArray("-15") << true << -15;
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("leading space") << QByteArray(" 5") << false << 0;
    QTest::newRow("trailing CR") << QByteArray("5\r") << false << 0;
    QTest::newRow("word") << QByteArray("five") << false << 0;
    QTest::newRow("too large") << QByteArray("2147483648") << false << 0;
}

void TestMisc::decimalAcceptsOnlyWholeNumbers()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = Misc::decimal(field);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestMisc)
#include "test_Misc.moc"
