// Checks that only whole decimal numbers with nothing around them are read.
#include "core/util/Decimal.h"

#include <QtTest>

class TestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void decimalAcceptsOnlyWholeNumbers_data();
    void decimalAcceptsOnlyWholeNumbers();
};

void TestDecimal::decimalAcceptsOnlyWholeNumbers_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("206") << true << 206;
    QTest::newRow("negative") << QByteArray("-15") << true << -15;
    QTest::newRow("zero") << QByteArray("0") << true << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("leading space") << QByteArray(" 5") << false << 0;
    QTest::newRow("trailing CR") << QByteArray("5\r") << false << 0;
    QTest::newRow("word") << QByteArray("five") << false << 0;
    QTest::newRow("too large") << QByteArray("2147483648") << false << 0;
}

void TestDecimal::decimalAcceptsOnlyWholeNumbers()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const std::optional<qint32> parsed = Decimal::parse(field);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestDecimal)
#include "test_Decimal.moc"
