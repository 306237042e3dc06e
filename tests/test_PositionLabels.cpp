// Checks how positions are labelled and hinted with none, one or two
// significators, and how a spread reads as text for the command-line tool.
#include "core/spreads/PositionLabels.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadText.h"

#include "SpreadBuilder.h"

#include <QtTest>

class TestPositionLabels : public QObject
{
    Q_OBJECT

private slots:
    void oneSignificator();
    void twoSignificators();
    void textRoundTrip();
    void textErrorsNameTheLine_data();
    void textErrorsNameTheLine();
};

void TestPositionLabels::oneSignificator()
{
    const Spread spread = spreadWith(4, 1);
    QCOMPARE(PositionLabels::tableLabel(spread, 0), QByteArray("S. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 1), QByteArray("1. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 3), QByteArray("3. "));
    QCOMPARE(PositionLabels::editorLabel(spread, 0), QByteArray("S1. "));
    QCOMPARE(PositionLabels::hint(spread, 0), QByteArray("E0"));
    QCOMPARE(PositionLabels::hint(spread, 2), QByteArray("2. E2"));
}

void TestPositionLabels::twoSignificators()
{
    const Spread spread = spreadWith(3, 2);
    QCOMPARE(PositionLabels::tableLabel(spread, 0), QByteArray("S1. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 1), QByteArray("S2. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 2), QByteArray("1. "));
    QCOMPARE(PositionLabels::hint(spread, 0), QByteArray("E0 1"));
    QCOMPARE(PositionLabels::hint(spread, 1), QByteArray("E1 2"));
    QCOMPARE(PositionLabels::hint(spread, 2), QByteArray("1. E2"));
    QCOMPARE(PositionLabels::editorLabel(spread, 1), QByteArray("S2. "));
}

void TestPositionLabels::textRoundTrip()
{
    const QByteArray text = "3\nS440,20,You, the one asking\n-5,0,\r\n100,-20,Where it leads\n";
    Spread spread;
    QString error;
    QVERIFY2(SpreadText::parse(text, spread, &error), qPrintable(error));
    QCOMPARE(spread.PositionCount, 3);
    QCOMPARE(spread.SignificatorCount, 1);
    QCOMPARE(spread.Explanation[0], QByteArray("You, the one asking"));
    QCOMPARE(spread.PosX[1], -5);
    QCOMPARE(spread.Explanation[1], QByteArray());
    QCOMPARE(spread.PosY[2], -20);
    QCOMPARE(SpreadText::format(spread),
             QByteArray("3\nS440,20,You, the one asking\n-5,0,\n100,-20,Where it leads\n"));
}

void TestPositionLabels::textErrorsNameTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("count missing") << QByteArray("") << "line 1";
    QTest::newRow("count wrong") << QByteArray("2\n1,1,a\n") << "2 positions but 1";
    QTest::newRow("too many") << QByteArray("80\n") << "0 to 79";
    QTest::newRow("no commas") << QByteArray("1\n1 1 a\n") << "line 2";
    QTest::newRow("not a number") << QByteArray("2\n1,1,a\nx,1,b\n") << "line 3";
}

void TestPositionLabels::textErrorsNameTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, mentions);
    Spread spread;
    QString error;
    QVERIFY(!SpreadText::parse(text, spread, &error));
    QVERIFY2(error.contains(mentions), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestPositionLabels)
#include "test_PositionLabels.moc"
