// Checks drawing cards into a spread: what a reading's placements record, what
// the left panel says next, which cards leave the fan and which the automatic
// draw picks.
#include "core/engine/Card.h"
#include "core/engine/Drawing.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Placements.h"
#include "core/spreads/Spread.h"
#include "core/table/Prompt.h"
#include "core/util/RandomGenerator.h"

#include "SpreadBuilder.h"

#include <QtTest>

Q_DECLARE_METATYPE(Prompt)

namespace {

UiTextTable promptTexts()
{
    QList<QByteArray> lines(UiText::PromptCut + 1);
    lines[65] = "Complete";
    lines[66] = "First:";
    lines[67] = "Second:";
    lines[68] = "Third:";
    lines[69] = "Card ";
    lines[70] = ":";
    lines[UiText::PromptCut] = "Cut now";
    UiTextTable table;
    table.replace(lines);
    return table;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private slots:
    void placementsRecordEachPosition();
    void promptsCountOrdinaryPositions_data();
    void promptsCountOrdinaryPositions();
    void hitTestEdges();
    void significatorsLeaveTheFan_data();
    void significatorsLeaveTheFan();
    void automaticDrawNeverRepeats();
    void automaticDrawWithExtraCard();
};

void TestDrawing::placementsRecordEachPosition()
{
    Placements placements(3);
    QCOMPARE(placements.firstEmpty(), 0);
    placements.place(1, 17, true);
    QCOMPARE(placements.firstEmpty(), 0);
    QVERIFY(placements.isFilled(1) && !placements.isRevealed(1) && placements.at(1).reversed);
    QVERIFY(placements.contains(17) && !placements.contains(5));
    placements.place(0, 5, false);
    placements.place(2, 78, false);
    QVERIFY(placements.allFilled());
    QCOMPARE(placements.firstEmpty(), 3);
    QVERIFY(!placements.allRevealed());
    for (int position = 0; position < 3; ++position)
        placements.reveal(position);
    QVERIFY(placements.allRevealed());
    QCOMPARE(placements.cards(), (QList<int>{5, 17, 78}));
    // Beyond the spread there is no card.
    QVERIFY(!placements.isFilled(3) && !placements.isFilled(-1));
}

void TestDrawing::promptsCountOrdinaryPositions_data()
{
    QTest::addColumn<Prompt>("prompt");
    QTest::addColumn<QByteArray>("text");
    // Two significators first: position 2 is the first ordinary one.
    QTest::newRow("first ordinary") << Prompt::forPosition(2) << QByteArray("First:\r\nplace 2");
    QTest::newRow("second ordinary") << Prompt::forPosition(3) << QByteArray("Second:\r\nplace 3");
    QTest::newRow("third ordinary") << Prompt::forPosition(4) << QByteArray("Third:\r\nplace 4");
    QTest::newRow("fifth ordinary") << Prompt::forPosition(6) << QByteArray("Card 5:\r\nplace 6");
    QTest::newRow("complete") << Prompt{Prompt::Step::SpreadCompleted} << QByteArray("Complete");
    QTest::newRow("a step") << Prompt{Prompt::Step::Cut} << QByteArray("Cut now");
}

void TestDrawing::promptsCountOrdinaryPositions()
{
    QFETCH(Prompt, prompt);
    QFETCH(QByteArray, text);
    QCOMPARE(prompt.text(promptTexts(), spreadWith(8, 2, "place ")), text);
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
    const Spread spread = spreadWith(5, significators);
    Placements placements(5);
    const int chosen[] = {40, 3, 60};
    for (int i = 0; i < significators; ++i)
        placements.place(i, chosen[i], false);

    QCOMPARE(Drawing::moveSignificatorsAside(cards, 78, spread, placements), expectedSlots);
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
    Placements placements(22);
    for (int i = 0; i < 22; ++i) {
        const int number = Drawing::chooseAutomaticCard(placements, 22, random);
        QVERIFY(number >= 0 && number < 22);
        QVERIFY(!placements.contains(number));
        placements.place(i, number, false);
    }
    QCOMPARE(Drawing::chooseAutomaticCard(placements, 22, random), -1);
}

void TestDrawing::automaticDrawWithExtraCard()
{
    RandomGenerator random;
    random.seed(9);
    Placements placements(23);
    QSet<int> seen;
    for (int i = 0; i < 23; ++i) {
        const int number = Drawing::chooseAutomaticCard(placements, 23, random);
        QVERIFY2((number >= 0 && number <= 21) || number == 78,
                 qPrintable(QString::number(number)));
        QVERIFY(!seen.contains(number));
        seen.insert(number);
        placements.place(i, number, false);
    }
    QVERIFY(seen.contains(78));
}

QTEST_GUILESS_MAIN(TestDrawing)
#include "test_Drawing.moc"
