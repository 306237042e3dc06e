// Checks the fixed titles of a deck with the 79th card: one distinct title
// per card number and nothing outside them.
#include "core/lang/BuiltinTitles.h"

#include <QSet>
#include <QtTest>

class TestBuiltinTitles : public QObject
{
    Q_OBJECT

private slots:
    void everyCardHasItsOwnTitle();
    void nothingOutsideTheDeck();
};

void TestBuiltinTitles::everyCardHasItsOwnTitle()
{
    QCOMPARE(BuiltinTitles::title(0), QByteArray("0. The Fool"));
    QCOMPARE(BuiltinTitles::title(1), QByteArray("I. Existence"));
    QCOMPARE(BuiltinTitles::title(21), QByteArray("XXI. Completion"));
    QCOMPARE(BuiltinTitles::title(22), QByteArray("Maturity"));
    QCOMPARE(BuiltinTitles::title(78), QByteArray("The Master"));
    QSet<QByteArray> distinct;
    for (int card = 0; card < BuiltinTitles::Count; ++card) {
        QVERIFY(!BuiltinTitles::title(card).isEmpty());
        distinct.insert(BuiltinTitles::title(card));
    }
    QCOMPARE(distinct.size(), 79);
}

void TestBuiltinTitles::nothingOutsideTheDeck()
{
    QVERIFY(BuiltinTitles::title(-1).isEmpty());
    QVERIFY(BuiltinTitles::title(79).isEmpty());
}

QTEST_GUILESS_MAIN(TestBuiltinTitles)
#include "test_BuiltinTitles.moc"
