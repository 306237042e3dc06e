// Checks the deal: which cards are in play, their orientations, a fixed-seed
// deal pinned card by card, and the fan geometry.
#include "core/engine/Deck.h"
#include "core/util/RandomGenerator.h"

#include "PinnedDeal.h"

#include <QtTest>

#include <set>

class TestDeck : public QObject
{
    Q_OBJECT

private slots:
    void sizeRule();
    void dealHoldsEachCardOnce_data();
    void dealHoldsEachCardOnce();
    void dealLeavesSlotsBeyondTheDeck();
    void fixedSeedRepeatsTheDeal();
    void fixedSeedDealIsPinned_data();
    void fixedSeedDealIsPinned();
    void reversalsOnlyWhenWanted();
    void fanGeometry_data();
    void fanGeometry();
    void fanFitsTheTable_data();
    void fanFitsTheTable();
};

void TestDeck::sizeRule()
{
    QCOMPARE(Deck::sizeFor(false, false), 78);
    QCOMPARE(Deck::sizeFor(false, true), 79);
    QCOMPARE(Deck::sizeFor(true, false), 22);
    QCOMPARE(Deck::sizeFor(true, true), 23);
}

void TestDeck::dealHoldsEachCardOnce_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<bool>("deck79");
    QTest::newRow("major arcana") << 22 << false;
    QTest::newRow("major arcana and extra card") << 23 << true;
    QTest::newRow("full deck") << 78 << false;
    QTest::newRow("full deck and extra card") << 79 << true;
}

void TestDeck::dealHoldsEachCardOnce()
{
    QFETCH(int, deckSize);
    QFETCH(bool, deck79);
    std::set<quint32> expected;
    for (int n = 0; n < deckSize; ++n)
        expected.insert(deckSize == 23 && n == 22 ? 78u : quint32(n));

    RandomGenerator random;
    for (quint32 seed = 1; seed <= 20; ++seed) {
        random.setSeedSource([seed] { return seed; });
        Deck::Slots cards;
        Deck::deal(cards, deckSize, deck79, true, 1024, random);
        std::set<quint32> dealt;
        for (int i = 0; i < deckSize; ++i)
            dealt.insert(cards[i].number);
        QCOMPARE(dealt, expected);
    }
}

void TestDeck::dealLeavesSlotsBeyondTheDeck()
{
    RandomGenerator random;
    Deck::Slots cards;
    cards[22].number = 55;
    cards[22].x = 123;
    Deck::deal(cards, 22, false, false, 1024, random);
    QCOMPARE(cards[22].number, 55u);
    QCOMPARE(cards[22].x, 123);
}

void TestDeck::fixedSeedRepeatsTheDeal()
{
    RandomGenerator random;
    random.setSeedSource([] { return 2026u; });
    Deck::Slots first;
    Deck::Slots second;
    Deck::deal(first, 78, false, true, 1024, random);
    random.uniform(10); // whatever happened in between, the deal reseeds
    Deck::deal(second, 78, false, true, 1024, random);
    for (int i = 0; i < 78; ++i) {
        QCOMPARE(second[i].number, first[i].number);
        QCOMPARE(second[i].reversed, first[i].reversed);
    }
}

void TestDeck::reversalsOnlyWhenWanted()
{
    RandomGenerator random;
    int reversed = 0;
    int dealt = 0;
    for (quint32 seed = 1; seed <= 200; ++seed) {
        random.setSeedSource([seed] { return seed; });
        Deck::Slots cards;
        Deck::deal(cards, 78, false, false, 1024, random);
        for (int i = 0; i < 78; ++i)
            QCOMPARE(cards[i].reversed, quint8(0));
        Deck::deal(cards, 78, false, true, 1024, random);
        for (int i = 0; i < 78; ++i) {
            QVERIFY(cards[i].reversed <= 1);
            reversed += cards[i].reversed;
        }
        dealt += 78;
    }
    // 39 chances in 78: about half, well within a few standard deviations.
    const double share = double(reversed) / dealt;
    QVERIFY2(share > 0.47 && share < 0.53, qPrintable(QString::number(share)));
}

void TestDeck::fanGeometry_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<bool>("deck79");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("78 first") << 78 << false << 1024 << 0 << 20 << 81;
    QTest::newRow("78 second") << 78 << false << 1024 << 1 << 32 << 77;
    QTest::newRow("78 third") << 78 << false << 1024 << 2 << 44 << 74;
    QTest::newRow("78 top of arc") << 78 << false << 1024 << 38 << 476 << 9;
    QTest::newRow("78 last") << 78 << false << 1024 << 77 << 944 << 85;
    QTest::newRow("79 top of arc") << 79 << true << 1024 << 39 << 488 << 9;
    QTest::newRow("79 first") << 79 << true << 1024 << 0 << 20 << 85;
    QTest::newRow("22 first") << 22 << false << 1024 << 0 << 20 << 72;
    QTest::newRow("22 top of arc") << 22 << false << 1024 << 10 << 450 << 9;
    QTest::newRow("23 top of arc") << 23 << true << 1024 << 11 << 471 << 9;
    // (353 - 78) / 22 = 12.5 rounds down to the even 12.
    QTest::newRow("half step rounds to even") << 22 << false << 353 << 1 << 32 << 60;
}

void TestDeck::fanGeometry()
{
    QFETCH(int, deckSize);
    QFETCH(bool, deck79);
    QFETCH(int, width);
    QFETCH(int, slot);
    QFETCH(int, x);
    QFETCH(int, y);
    QCOMPARE(Deck::fanX(slot, deckSize, width), x);
    QCOMPARE(Deck::fanY(slot, deckSize, deck79), y);

    RandomGenerator random;
    Deck::Slots cards;
    Deck::deal(cards, deckSize, deck79, false, width, random);
    QCOMPARE(cards[slot].x, x);
    QCOMPARE(cards[slot].y, y);
}

void TestDeck::fixedSeedDealIsPinned_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<QByteArray>("dealt");
    QTest::newRow("78 cards")
        << 78
        << QByteArray("r26 r0 74 r35 r48 44 24 36 73 r20 15 r13 r38 r7 29 75 r61 r54 60 r8 1 r58 "
                      "r67 r14 r53 64 r9 30 17 r19 22 r42 r70 21 5 r3 r40 r77 34 r57 r32 52 23 r2 "
                      "r47 55 r37 41 71 r10 56 r63 66 r69 r25 r51 50 76 r45 62 r49 68 r39 r46 43 "
                      "r16 11 31 r4 6 33 12 65 18 r59 72 27 28");
    QTest::newRow("22 cards")
        << 22 << QByteArray("r7 r0 21 r9 r13 12 6 10 20 r5 4 r3 r2 8 r17 r15 r16 r19 r14 18 11 1");
}

void TestDeck::fixedSeedDealIsPinned()
{
    QFETCH(int, deckSize);
    QFETCH(QByteArray, dealt);
    RandomGenerator random;
    random.setSeedSource([] { return PinnedDeal::Seed; });
    Deck::Slots cards;
    Deck::deal(cards, deckSize, false, true, 1024, random);
    QCOMPARE(PinnedDeal::layout(cards, deckSize), PinnedDeal::layout(dealt.constData()));
}

void TestDeck::fanFitsTheTable_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("lastRight");
    // Rounding the step up once pushed the top card 21 pixels off a laptop
    // screen; every width a screen has must hold the whole fan.
    QTest::newRow("1366") << 1366 << 1310;
    QTest::newRow("1920") << 1920 << 1849;
    QTest::newRow("every width from 800 to 3840") << 0 << 0;
}

void TestDeck::fanFitsTheTable()
{
    QFETCH(int, width);
    QFETCH(int, lastRight);
    const auto lastCardRight = [](int deckSize, int tableWidth) {
        return Deck::fanX(deckSize - 1, deckSize, tableWidth) + Card::FanWidth;
    };
    if (width > 0) {
        QCOMPARE(lastCardRight(78, width), lastRight);
        return;
    }
    for (int tableWidth = 800; tableWidth <= 3840; ++tableWidth) {
        for (const int deckSize : {22, 23, 78, 79}) {
            const int right = lastCardRight(deckSize, tableWidth);
            if (right > tableWidth)
                QFAIL(qPrintable(QStringLiteral("%1 cards on %2 pixels end at %3")
                                     .arg(deckSize)
                                     .arg(tableWidth)
                                     .arg(right)));
        }
    }
}

QTEST_GUILESS_MAIN(TestDeck)
#include "test_Deck.moc"
