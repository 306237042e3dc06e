// Checks the card titles: the Strength and court-order alternatives of the
// card list, partial lists, and that a 79-card deck takes the fixed titles.
#include "core/lang/BuiltinTitles.h"
#include "core/lang/CardTitles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A card list in the bundled layout whose lines name their own place, e.g.
// "8a"/"8b" for the two lines of card 8 and "s1c3" for the third court title
// of the first block in the newer sequence.
QByteArray syntheticCardList(bool withExtraCard)
{
    QList<QByteArray> lines;
    for (int card = 0; card < 22; ++card) {
        if (card == 8 || card == 11) {
            lines << QByteArray::number(card) + "a" << QByteArray::number(card) + "b";
        } else {
            lines << QByteArray::number(card);
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        const QByteArray block = "s" + QByteArray::number(suit + 1);
        for (int n = 1; n <= 10; ++n)
            lines << block + "n" + QByteArray::number(n);
        for (int c = 1; c <= 4; ++c)
            lines << block + "t" + QByteArray::number(c);
        for (int c = 1; c <= 4; ++c)
            lines << block + "c" + QByteArray::number(c);
    }
    if (withExtraCard)
        lines << "extra";
    return lines.join("\r\n") + "\r\n";
}

} // namespace

class TestCardTitles : public QObject
{
    Q_OBJECT

private slots:
    void numberingChoosesLines_data();
    void numberingChoosesLines();
    void extraCardLineIsOptional();
    void shortListKeepsLaterTitles();
    void lastLineWithoutLineEnd();
    void everyLineEndGivesTheSameTitles();
    void builtinTitlesForDeck79();
    void languageListWithEnglishFallback();
};

void TestCardTitles::numberingChoosesLines_data()
{
    QTest::addColumn<bool>("strengthEleven");
    QTest::addColumn<bool>("ardenvaleStyle");
    QTest::addColumn<QByteArray>("card8");
    QTest::addColumn<QByteArray>("card11");
    QTest::addColumn<QByteArray>("card32");
    QTest::addColumn<QByteArray>("card35");
    QTest::addColumn<QByteArray>("card77");
    QTest::newRow("XI, traditional")
        << true << true << QByteArray("8a") << QByteArray("11a") << QByteArray("s1t1")
        << QByteArray("s1t4") << QByteArray("s4t4");
    QTest::newRow("VIII, new age")
        << false << false << QByteArray("8b") << QByteArray("11b") << QByteArray("s1c1")
        << QByteArray("s1c4") << QByteArray("s4c4");
}

void TestCardTitles::numberingChoosesLines()
{
    QFETCH(bool, strengthEleven);
    QFETCH(bool, ardenvaleStyle);
    CardTitles::Table titles;
    CardTitles::applyCardList(syntheticCardList(false), {strengthEleven, ardenvaleStyle}, titles);
    QCOMPARE(titles[7], QByteArray("7"));
    QTEST(titles[8], "card8");
    QCOMPARE(titles[9], QByteArray("9"));
    QTEST(titles[11], "card11");
    QCOMPARE(titles[21], QByteArray("21"));
    QCOMPARE(titles[22], QByteArray("s1n1"));
    QCOMPARE(titles[31], QByteArray("s1n10"));
    QTEST(titles[32], "card32");
    QTEST(titles[35], "card35");
    QCOMPARE(titles[36], QByteArray("s2n1"));
    QCOMPARE(titles[64], QByteArray("s4n1"));
    QTEST(titles[77], "card77");
}

void TestCardTitles::extraCardLineIsOptional()
{
    CardTitles::Table titles;
    titles[78] = "kept";
    CardTitles::applyCardList(syntheticCardList(false), {}, titles);
    QCOMPARE(titles[78], QByteArray("kept"));
    CardTitles::applyCardList(syntheticCardList(true) + "ignored\r\n", {}, titles);
    QCOMPARE(titles[78], QByteArray("extra"));
}

void TestCardTitles::shortListKeepsLaterTitles()
{
    CardTitles::Table titles;
    titles[3] = "old three";
    titles[40] = "old forty";
    CardTitles::applyCardList("zero\r\none\r\ntwo\r\n", {}, titles);
    QCOMPARE(titles[2], QByteArray("two"));
    QCOMPARE(titles[3], QByteArray("old three"));
    QCOMPARE(titles[40], QByteArray("old forty"));
}

void TestCardTitles::lastLineWithoutLineEnd()
{
    CardTitles::Table titles;
    CardTitles::applyCardList("zero\rone\r\ntwo", {}, titles);
    QCOMPARE(titles[0], QByteArray("zero"));
    QCOMPARE(titles[1], QByteArray("one"));
    QCOMPARE(titles[2], QByteArray("two"));
}

void TestCardTitles::everyLineEndGivesTheSameTitles()
{
    // A card list saved by an editor that writes LF or CR alone reads like
    // the CR LF original, the alternative lines included.
    const QByteArray crLf = syntheticCardList(true);
    CardTitles::Table expected;
    CardTitles::applyCardList(crLf, {false, false}, expected);
    for (const QByteArray &lineEnd : {QByteArray("\n"), QByteArray("\r")}) {
        QByteArray other = crLf;
        other.replace("\r\n", lineEnd);
        CardTitles::Table titles;
        CardTitles::applyCardList(other, {false, false}, titles);
        QCOMPARE(titles, expected);
    }
    QCOMPARE(expected[8], QByteArray("8b"));
    QCOMPARE(expected[78], QByteArray("extra"));
}

void TestCardTitles::builtinTitlesForDeck79()
{
    // With the 79th card the titles are the fixed ones, whatever the language
    // folder holds.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Langs/English")));
    QFile english(dir.filePath(QStringLiteral("Langs/English/Cards.lng")));
    QVERIFY(english.open(QIODevice::WriteOnly));
    english.write(syntheticCardList(true));
    english.close();
    CardTitles::Table titles;
    CardTitles::load(titles, dir.path(), QStringLiteral("English"), true, {});
    for (int card = 0; card < BuiltinTitles::Count; ++card)
        QCOMPARE(titles[card], BuiltinTitles::title(card));
}

void TestCardTitles::languageListWithEnglishFallback()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Langs/English")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Langs/Deutsch")));
    QFile english(dir.filePath(QStringLiteral("Langs/English/Cards.lng")));
    QVERIFY(english.open(QIODevice::WriteOnly));
    english.write(syntheticCardList(true));
    english.close();

    CardTitles::Table titles;
    CardTitles::load(titles, dir.path(), QStringLiteral("Deutsch"), false, {false, true});
    QCOMPARE(titles[8], QByteArray("8b"));
    QCOMPARE(titles[78], QByteArray("extra"));

    // Without any card list the titles stay as they were.
    QVERIFY(english.remove());
    titles[5] = "unchanged";
    CardTitles::load(titles, dir.path(), QStringLiteral("English"), false, {});
    QCOMPARE(titles[5], QByteArray("unchanged"));
}

QTEST_GUILESS_MAIN(TestCardTitles)
#include "test_CardTitles.moc"
