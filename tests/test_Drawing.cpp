// Checks drawing cards into a spread: where a card goes, what the left panel
// says next, which cards leave the fan and which the automatic draw picks.
#include "core/engine/Drawing.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"

#include "SpreadBuilder.h"

#include <QtTest>

namespace {

UiTextTable promptTexts()
{
    QList<QByteArray> lines(139);
    lines[65] = "Complete";
    lines[66] = "First:";
    lines[67] = "Second:";
    lines[68] = "Third:";
    lines[69] = "Card ";
    lines[70] = ":";
    UiTextTable table;
    table.replace(lines);
    return table;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void cardGoesToNextPosition();
    void fullSpreadTakesNoMore();
    void promptsCountOrdinaryPositions_data();
    void promptsCountOrdinaryPositions();
    void hitTestEdges();
    void significatorsLeaveTheFan_data();
    void significatorsLeaveTheFan();
    void automaticDrawNeverRepeats();
    void automaticDrawWithExtraCard();
};

void TestDrawing::cardGoesToNextPosition()
{
    Spread spread = spreadWith(3, 0);
    Card card;
    card.number = 17;
    card.reversed = 1;
    int drawn = 1;
    QVERIFY(Drawing::placeInNextPosition(card, spread, drawn));
    QCOMPARE(drawn, 2);
    QCOMPARE(card.position, 1);
    QCOMPARE(spread.cardAt[1], 17);
    QVERIFY(spread.filled[1]);
    QVERIFY(spread.positionReversed[1]);
    QVERIFY(!spread.filled[0]);
}

void TestDrawing::fullSpreadTakesNoMore()
{
    Spread spread = spreadWith(2, 0);
    Card card;
    card.number = 5;
    int drawn = 2;
    QVERIFY(!Drawing::placeInNextPosition(card, spread, drawn));
    QCOMPARE(drawn, 2);
    QCOMPARE(spread.cardAt[0], -1);
    QCOMPARE(card.position, -1);
}

void TestDrawing::promptsCountOrdinaryPositions_data()
{
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QByteArray>("prompt");
    // Two significators first: position 2 is the first ordinary one.
    QTest::newRow("after first significator") << 1 << QByteArray();
    QTest::newRow("first ordinary") << 2 << QByteArray("First:\r\nplace 2");
    QTest::newRow("second ordinary") << 3 << QByteArray("Second:\r\nplace 3");
    QTest::newRow("third ordinary") << 4 << QByteArray("Third:\r\nplace 4");
    QTest::newRow("fifth ordinary") << 6 << QByteArray("Card 5:\r\nplace 6");
    QTest::newRow("complete") << 8 << QByteArray("Complete");
}

void TestDrawing::promptsCountOrdinaryPositions()
{
    QFETCH(int, drawn);
    QFETCH(QByteArray, prompt);
    const UiTextTable texts = promptTexts();
    const auto result = Drawing::promptAfterDraw(texts, spreadWith(8, 2, "place "), drawn);
    QCOMPARE(result.has_value(), !prompt.isEmpty());
    if (result)
        QCOMPARE(*result, prompt);
}

void TestDrawing::hitTestEdges()
{
    Card card;
    card.x = 100;
    card.y = 50;
    QVERIFY(card.hitTest(100, 50));
    QVERIFY(card.hitTest(157, 147));
    QVERIFY(!card.hitTest(158, 100));
    QVERIFY(!card.hitTest(120, 148));
    QVERIFY(!card.hitTest(99, 60));
    QVERIFY(card.isPainted());
    card.x = 0;
    QVERIFY(!card.isPainted());
}

void TestDrawing::significatorsLeaveTheFan_data()
{
    QTest::addColumn<int>("significators");
    QTest::addColumn<QList<int>>("expectedSlots");
    QTest::newRow("one") << 1 << QList<int>{0};
    QTest::newRow("two") << 2 << QList<int>{0, 77};
    QTest::newRow("three") << 3 << QList<int>{0, 77, 1};
}

void TestDrawing::significatorsLeaveTheFan()
{
    QFETCH(int, significators);
    QFETCH(QList<int>, expectedSlots);
    Deck::Slots cards;
    for (int slot = 0; slot < 78; ++slot)
        cards[slot].number = quint32(77 - slot);
    Spread spread = spreadWith(5, significators);
    const int chosen[] = {40, 3, 60};
    for (int i = 0; i < significators; ++i)
        spread.cardAt[i] = chosen[i];

    QCOMPARE(Drawing::moveSignificatorsAside(cards, 78, spread), expectedSlots);
    for (int i = 0; i < significators; ++i)
        QCOMPARE(cards[expectedSlots[i]].number, quint32(chosen[i]));
    QSet<quint32> all;
    for (int slot = 0; slot < 78; ++slot)
        all.insert(cards[slot].number);
    QCOMPARE(all.size(), 78);
}

void TestDrawing::automaticDrawNeverRepeats()
{
    RandomGenerator random;
    random.seed(5);
    Spread spread = spreadWith(22, 0);
    for (int i = 0; i < 22; ++i) {
        const int number = Drawing::chooseAutomaticCard(spread, 22, random);
        QVERIFY(number >= 0 && number < 22);
        for (int j = 0; j < i; ++j)
            QVERIFY(spread.cardAt[j] != number);
        spread.cardAt[i] = number;
    }
    QCOMPARE(Drawing::chooseAutomaticCard(spread, 22, random), -1);
}

void TestDrawing::automaticDrawWithExtraCard()
{
    RandomGenerator random;
    random.seed(9);
    Spread spread = spreadWith(23, 0);
    QSet<int> seen;
    for (int i = 0; i < 23; ++i) {
        const int number = Drawing::chooseAutomaticCard(spread, 23, random);
        QVERIFY2((number >= 0 && number <= 21) || number == 78,
                 qPrintable(QString::number(number)));
        QVERIFY(!seen.contains(number));
        seen.insert(number);
        spread.cardAt[i] = number;
    }
    QVERIFY(seen.contains(78));
}

QTEST_GUILESS_MAIN(TestDrawing)
#include "test_Drawing.moc"
