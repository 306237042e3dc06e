// Checks how a language file's text is cut into lines: at CR or CR LF, never
// at a lone LF.
#include "core/lang/TextLines.h"

#include <QtTest>

class TestTextLines : public QObject
{
    Q_OBJECT

private slots:
    void splitsAtCarriageReturns_data();
    void splitsAtCarriageReturns();
};

void TestTextLines::splitsAtCarriageReturns_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("lines");
    const QList<QByteArray> three{"OK", "", "Cancel"};
    QTest::newRow("CR LF") << QByteArray("OK\r\n\r\nCancel\r\n") << three;
    QTest::newRow("CR only") << QByteArray("OK\r\rCancel\r") << three;
    QTest::newRow("no final line end") << QByteArray("OK\r\n\r\nCancel") << three;
    QTest::newRow("LF only is one line")
        << QByteArray("OK\nCancel\n") << QList<QByteArray>{"OK\nCancel\n"};
    QTest::newRow("CR LF LF keeps the second LF")
        << QByteArray("a\r\n\nb\r\n") << QList<QByteArray>{"a", "\nb"};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
}

void TestTextLines::splitsAtCarriageReturns()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(TextLines::split(text), lines);
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "test_TextLines.moc"
