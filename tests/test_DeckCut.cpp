// Checks how cutting and shuffling move card numbers between the slots.
#include "core/engine/DeckCut.h"
#include "core/engine/Shuffle.h"
#include "core/util/RandomGenerator.h"

#include <QtTest>

#include <set>

namespace {

Deck::Slots numberedDeck(int deckSize)
{
    Deck::Slots cards;
    for (int slot = 0; slot < deckSize; ++slot) {
        cards[slot].Number = quint32(slot);
        cards[slot].Reversed = slot % 2;
    }
    return cards;
}

QList<quint32> numbers(const Deck::Slots &cards, int deckSize)
{
    QList<quint32> result;
    for (int slot = 0; slot < deckSize; ++slot)
        result.append(cards[slot].Number);
    return result;
}

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
    void shuffleFrameSteps();
    void shuffleKeepsEachCardOnce();
    void shuffleReversesAboutHalf();
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
    QCOMPARE(cards[1].Reversed, quint8(1));
    QCOMPARE(cards[2].Reversed, quint8(0));
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

void TestDeckCut::shuffleFrameSteps()
{
    QCOMPARE(Shuffle::stepsPerFrame(false), 251001);
    QCOMPARE(Shuffle::stepsPerFrame(true), 123201);
}

void TestDeckCut::shuffleKeepsEachCardOnce()
{
    RandomGenerator random;
    random.seed(3);
    Deck::Slots cards = numberedDeck(79);
    cards[40].Number = 78; // any set of distinct numbers stays that set
    const QList<quint32> original = numbers(cards, 79);
    const std::set<quint32> before(original.begin(), original.end());
    Shuffle::frame(cards, 79, true, random);
    const QList<quint32> after = numbers(cards, 79);
    QCOMPARE(std::set<quint32>(after.begin(), after.end()), before);
    QVERIFY(after != original);
}

void TestDeckCut::shuffleReversesAboutHalf()
{
    RandomGenerator random;
    random.seed(11);
    Deck::Slots cards = numberedDeck(78);
    int reversed = 0;
    for (int frame = 0; frame < 20; ++frame) {
        Shuffle::frame(cards, 78, true, random);
        for (int slot = 0; slot < 78; ++slot)
            reversed += cards[slot].Reversed;
    }
    const double share = reversed / (20.0 * 78);
    QVERIFY2(share > 0.4 && share < 0.6, qPrintable(QString::number(share)));

    Deck::Slots upright = numberedDeck(78);
    Shuffle::frame(upright, 78, false, random);
    int stillReversed = 0;
    for (int slot = 0; slot < 78; ++slot)
        stillReversed += upright[slot].Reversed;
    QCOMPARE(stillReversed, 39); // without reversals the slots keep theirs
}

QTEST_GUILESS_MAIN(TestDeckCut)
#include "test_DeckCut.moc"
