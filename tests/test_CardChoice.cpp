// Checks the lists of cards offered when a card is chosen by hand, for a significator and for a
// reading typed in, with the full deck, the Major Arcana alone and the extra card.
#include "core/engine/CardChoice.h"

#include <QtTest>

class TestCardChoice : public QObject
{
    Q_OBJECT

private slots:
    void significatorListOffersCourtCards();
    void manualListEndsWithExtraCard();
};

void TestCardChoice::significatorListOffersCourtCards()
{
    const QList<int> full = CardChoice::significatorCards(78);
    QCOMPARE(full.size(), 38);
    QCOMPARE(full.mid(0, 22).last(), 21);
    QCOMPARE(full.at(22), 32);
    QCOMPARE(full.at(26), 46);
    QCOMPARE(full.at(34), 74);
    QCOMPARE(full.last(), 77);
    QCOMPARE(CardChoice::significatorCards(79).size(), 39);
    QCOMPARE(CardChoice::significatorCards(79).last(), 78);
    // The court cards are offered with only the Major Arcana in play too.
    QCOMPARE(CardChoice::significatorCards(22), full);
    QCOMPARE(CardChoice::significatorCards(23).last(), 78);
}

void TestCardChoice::manualListEndsWithExtraCard()
{
    QCOMPARE(CardChoice::manualCards(78).size(), 78);
    QCOMPARE(CardChoice::manualCards(78).at(40), 40);
    const QList<int> withExtra = CardChoice::manualCards(23);
    QCOMPARE(withExtra.size(), 23);
    QCOMPARE(withExtra.at(21), 21);
    QCOMPARE(withExtra.at(22), 78);
}

QTEST_GUILESS_MAIN(TestCardChoice)
#include "test_CardChoice.moc"
