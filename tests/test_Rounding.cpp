// Checks that values round to the nearest whole number and halves to the even
// neighbour.
#include "core/util/Rounding.h"

#include <QtTest>

class TestRounding : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalfToEven_data();
    void roundsHalfToEven();
};

void TestRounding::roundsHalfToEven_data()
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

void TestRounding::roundsHalfToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

QTEST_GUILESS_MAIN(TestRounding)
#include "test_Rounding.moc"
