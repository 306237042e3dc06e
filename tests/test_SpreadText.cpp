// Checks the readable text form of a spread: it reads into the spread and is
// written back in one form, and a text that is not a spread names its line.
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"

#include <QtTest>

class TestSpreadText : public QObject
{
    Q_OBJECT

private slots:
    void textRoundTrip();
    void textErrorsNameTheLine_data();
    void textErrorsNameTheLine();
};

void TestSpreadText::textRoundTrip()
{
    const QByteArray text = "3\nS440,20,You, the one asking\n-5,0,\r\n100,-20,Where it leads\n";
    Spread spread;
    QString error;
    QVERIFY2(SpreadText::parse(text, spread, &error), qPrintable(error));
    QCOMPARE(spread.positionCount(), 3);
    QCOMPARE(spread.significatorCount(), 1);
    QCOMPARE(spread.explanation(0), QByteArray("You, the one asking"));
    QCOMPARE(spread.positions.at(1).place.x(), -5);
    QCOMPARE(spread.explanation(1), QByteArray());
    QCOMPARE(spread.positions.at(2).place.y(), -20);
    QCOMPARE(SpreadText::format(spread),
             QByteArray("3\nS440,20,You, the one asking\n-5,0,\n100,-20,Where it leads\n"));
}

void TestSpreadText::textErrorsNameTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("count missing") << QByteArray("") << "line 1";
    QTest::newRow("count wrong") << QByteArray("2\n1,1,a\n") << "2 positions but 1";
    QTest::newRow("too many") << QByteArray("80\n") << "0 to 79";
    QTest::newRow("no commas") << QByteArray("1\n1 1 a\n") << "line 2";
    QTest::newRow("not a number") << QByteArray("2\n1,1,a\nx,1,b\n") << "line 3";
}

void TestSpreadText::textErrorsNameTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, mentions);
    Spread spread;
    QString error;
    QVERIFY(!SpreadText::parse(text, spread, &error));
    QVERIFY2(error.contains(mentions), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestSpreadText)
#include "test_SpreadText.moc"
