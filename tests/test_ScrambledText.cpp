// Checks the scrambling of spread and reading files and the random line prefixes.
#include "core/util/RandomGenerator.h"
#include "core/util/ScrambledText.h"

#include <QtTest>

class TestScrambledText : public QObject
{
    Q_OBJECT

private slots:
    void scrambleFlipsAllButZeroAndFF();
    void scrambleIsItsOwnInverse();
    void linePrefixAvoidsSeparators();
};

void TestScrambledText::scrambleFlipsAllButZeroAndFF()
{
    QCOMPARE(ScrambledText::scramble("abc"), QByteArray("\x9e\x9d\x9c"));
    QCOMPARE(ScrambledText::scramble("\r\n"), QByteArray("\xf2\xf5"));
    QCOMPARE(ScrambledText::scramble(QByteArray()), QByteArray());
    const QByteArray fixed("\x00\xff\x00\xff", 4);
    QCOMPARE(ScrambledText::scramble(fixed), fixed);
}

void TestScrambledText::scrambleIsItsOwnInverse()
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    const QByteArray scrambled = ScrambledText::scramble(everyByte);
    QCOMPARE(scrambled.size(), everyByte.size());
    QCOMPARE(ScrambledText::scramble(scrambled), everyByte);
    // Only bytes that were zero become zero, so a reader cut at NUL loses nothing.
    QCOMPARE(scrambled.count('\0'), 1);
}

void TestScrambledText::linePrefixAvoidsSeparators()
{
    RandomGenerator random;
    random.seed(7);
    QSet<char> seen;
    for (int i = 0; i < 5000; ++i) {
        const QByteArray prefix = ScrambledText::randomLinePrefix(random);
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

QTEST_GUILESS_MAIN(TestScrambledText)
#include "test_ScrambledText.moc"
