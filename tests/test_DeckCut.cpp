// Checks how a cut moves card numbers between the slots while each slot keeps
// its orientation: where a click cuts, the plain cut and the three piles.
#include "core/engine/DeckCut.h"

#include "DeckSlots.h"
#include "PinnedDeal.h"

#include <QtTest>

namespace {

QList<quint32> range(int from, int to)
{
    QList<quint32> result;
    for (int n = from; n <= to; ++n)
        result.append(quint32(n));
    return result;
}

} // namespace

class TestDeckCut : public QObject
{
    Q_OBJECT

private slots:
    void cutPointFromClick();
    void threePilesStackBottomMiddleTop();
    void threePilesClampTheCutPoint();
    void plainCutPutsTopUnderneath();
    void cutsOfThePinnedShuffle_data();
    void cutsOfThePinnedShuffle();
};

void TestDeckCut::cutPointFromClick()
{
    // "Cut deck" cuts at the table's centre.
    QCOMPARE(DeckCut::cutPoint(512, 1024, 78), 31);
    QCOMPARE(DeckCut::cutPoint(512 - 77, 1024, 78), 1);
    QCOMPARE(DeckCut::cutPoint(512 + 105, 1024, 78), 73);
}

void TestDeckCut::threePilesStackBottomMiddleTop()
{
    Deck::Slots cards = numberedDeck(78);
    DeckCut::threePiles(cards, 78, 31);
    QCOMPARE(numbers(cards, 78), range(55, 77) + range(31, 54) + range(0, 30));
    // Orientation belongs to the slot, not the card.
    QCOMPARE(cards[1].reversed, quint8(1));
    QCOMPARE(cards[2].reversed, quint8(0));
}

void TestDeckCut::threePilesClampTheCutPoint()
{
    Deck::Slots cards = numberedDeck(22);
    DeckCut::threePiles(cards, 22, 21);
    QCOMPARE(numbers(cards, 22), range(21, 21) + range(0, 20));

    Deck::Slots fromZero = numberedDeck(22);
    Deck::Slots fromOne = numberedDeck(22);
    DeckCut::threePiles(fromZero, 22, 0);
    DeckCut::threePiles(fromOne, 22, 1);
    QCOMPARE(numbers(fromZero, 22), numbers(fromOne, 22));

    Deck::Slots fromAll = numberedDeck(22);
    DeckCut::threePiles(fromAll, 22, 40);
    QCOMPARE(numbers(fromAll, 22), range(21, 21) + range(0, 20));
}

void TestDeckCut::plainCutPutsTopUnderneath()
{
    Deck::Slots cards = numberedDeck(78);
    DeckCut::plain(cards, 78, 31);
    QCOMPARE(numbers(cards, 78), range(31, 77) + range(0, 30));
    Deck::Slots edge = numberedDeck(22);
    DeckCut::plain(edge, 22, 0);
    QCOMPARE(numbers(edge, 22), range(1, 21) + range(0, 0));
}

void TestDeckCut::cutsOfThePinnedShuffle_data()
{
    QTest::addColumn<int>("deckSize");
    QTest::addColumn<QByteArray>("shuffled");
    QTest::addColumn<int>("k");
    QTest::addColumn<QByteArray>("plainCut");
    QTest::addColumn<QByteArray>("threePileCut");
    // 78 cards at 31: the plain cut starts with slot 31's card (33) and puts
    // slot 0's (3) at slot 47; three piles of 31, 24 and 23 start with slot
    // 55's card (16), then slot 31's at slot 23 and slot 0's at slot 47.
    QTest::newRow("78 cards at 31")
        << 78 << QByteArray(PinnedDeal::Shuffled78) << 31
        << QByteArray("33 r32 49 40 52 r63 7 22 46 27 r77 r68 12 r1 r31 r5 r25 8 r57 13 r15 r74 "
                      "73 10 16 r19 47 r23 r43 r35 r9 0 45 6 28 67 r29 50 58 r60 r18 r70 53 r21 "
                      "26 71 r61 3 r36 34 r59 11 r76 20 69 r39 41 55 2 54 r62 r30 r17 24 48 r44 "
                      "65 38 4 r75 14 r66 37 r72 51 56 64 42")
        << QByteArray("16 r19 47 23 43 r35 9 0 45 6 r28 r67 29 r50 r58 r60 r18 70 r53 21 r26 "
                      "r71 61 33 32 r49 40 r52 r63 r7 r22 46 27 77 68 12 r1 31 5 r25 r8 r57 13 "
                      "r15 74 73 r10 3 r36 34 r59 11 r76 20 69 r39 41 55 2 54 r62 r30 r17 24 48 "
                      "r44 65 38 4 r75 14 r66 37 r72 51 56 64 42");
    // 22 cards at 9: piles of 9, 7 and 6, the bottom six (from slot 16) first.
    QTest::newRow("22 cards at 9")
        << 22 << QByteArray(PinnedDeal::Shuffled22) << 9
        << QByteArray("2 20 r15 5 r10 r19 r21 r12 r17 9 11 4 r18 14 7 r0 1 r16 r3 r13 6 8")
        << QByteArray("12 17 r9 11 r4 r18 r2 r20 r15 5 10 19 r21 14 7 r0 1 r16 r3 r13 6 8");
}

void TestDeckCut::cutsOfThePinnedShuffle()
{
    QFETCH(int, deckSize);
    QFETCH(QByteArray, shuffled);
    QFETCH(int, k);
    QFETCH(QByteArray, plainCut);
    QFETCH(QByteArray, threePileCut);
    Deck::Slots plain = PinnedDeal::fromLayout(shuffled.constData());
    Deck::Slots piles = plain;
    DeckCut::plain(plain, deckSize, k);
    DeckCut::threePiles(piles, deckSize, k);
    QCOMPARE(PinnedDeal::layout(plain, deckSize), PinnedDeal::layout(plainCut.constData()));
    QCOMPARE(PinnedDeal::layout(piles, deckSize), PinnedDeal::layout(threePileCut.constData()));
}

QTEST_GUILESS_MAIN(TestDeckCut)
#include "test_DeckCut.moc"
