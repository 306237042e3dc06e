// Checks the deal: which cards are in play, their orientations and the fan geometry.
#include "core/engine/Deck.h"
#include "core/util/RandomGenerator.h"
#include "core/util/Rounding.h"

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
    void reversalsOnlyWhenWanted();
    void fanGeometry_data();
    void fanGeometry();
    void roundsHalfToEven_data();
    void roundsHalfToEven();
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
        Deck::SetCards(cards, deckSize, deck79, true, 1024, random);
        std::set<quint32> dealt;
        for (int i = 0; i < deckSize; ++i)
            dealt.insert(cards[i].Number);
        QCOMPARE(dealt, expected);
    }
}

void TestDeck::dealLeavesSlotsBeyondTheDeck()
{
    RandomGenerator random;
    Deck::Slots cards;
    cards[22].Number = 55;
    cards[22].X = 123;
    Deck::SetCards(cards, 22, false, false, 1024, random);
    QCOMPARE(cards[22].Number, 55u);
    QCOMPARE(cards[22].X, 123);
}

void TestDeck::fixedSeedRepeatsTheDeal()
{
    RandomGenerator random;
    random.setSeedSource([] { return 2026u; });
    Deck::Slots first;
    Deck::Slots second;
    Deck::SetCards(first, 78, false, true, 1024, random);
    random.uniform(10); // whatever happened in between, the deal reseeds
    Deck::SetCards(second, 78, false, true, 1024, random);
    for (int i = 0; i < 78; ++i) {
        QCOMPARE(second[i].Number, first[i].Number);
        QCOMPARE(second[i].Reversed, first[i].Reversed);
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
        Deck::SetCards(cards, 78, false, false, 1024, random);
        for (int i = 0; i < 78; ++i)
            QCOMPARE(cards[i].Reversed, quint8(0));
        Deck::SetCards(cards, 78, false, true, 1024, random);
        for (int i = 0; i < 78; ++i) {
            QVERIFY(cards[i].Reversed <= 1);
            reversed += cards[i].Reversed;
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
    Deck::SetCards(cards, deckSize, deck79, false, width, random);
    QCOMPARE(cards[slot].X, x);
    QCOMPARE(cards[slot].Y, y);
}

void TestDeck::roundsHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("39.5") << 39.5 << 40;
    QTest::newRow("11.5") << 11.5 << 12;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("12.13") << 12.13 << 12;
    QTest::newRow("72.6") << 72.6 << 73;
}

void TestDeck::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_GUILESS_MAIN(TestDeck)
#include "test_Deck.moc"
