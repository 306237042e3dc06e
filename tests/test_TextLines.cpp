// Checks how the program's text files are cut into lines: LF, CR LF and CR
// each end a line, whichever editor wrote the file.
#include "core/util/TextLines.h"

#include <QtTest>

class TestTextLines : public QObject
{
    Q_OBJECT

private slots:
    void splitsAtEveryLineEnd_data();
    void splitsAtEveryLineEnd();
    void cursorLeavesTextAfterTheLastLineEnd();
};

void TestTextLines::splitsAtEveryLineEnd_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("lines");
    const QList<QByteArray> three{"OK", "", "Cancel"};
    QTest::newRow("CR LF") << QByteArray("OK\r\n\r\nCancel\r\n") << three;
    QTest::newRow("CR only") << QByteArray("OK\r\rCancel\r") << three;
    QTest::newRow("LF only") << QByteArray("OK\n\nCancel\n") << three;
    QTest::newRow("mixed") << QByteArray("OK\n\r\nCancel\r") << three;
    QTest::newRow("no final line end") << QByteArray("OK\r\n\r\nCancel") << three;
    QTest::newRow("LF CR is two line ends")
        << QByteArray("a\n\rb\n") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("CR LF LF is a blank line")
        << QByteArray("a\r\n\nb\r\n") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
}

void TestTextLines::splitsAtEveryLineEnd()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(TextLines::split(text), lines);
}

void TestTextLines::cursorLeavesTextAfterTheLastLineEnd()
{
    TextLines::Cursor cursor(QByteArray("one\ntwo\r\nthree\rtail"));
    QVERIFY(cursor.hasLineEnd());
    QCOMPARE(cursor.next(), std::optional<QByteArray>("one"));
    QCOMPARE(cursor.next(), std::optional<QByteArray>("two"));
    QCOMPARE(cursor.lineNumber(), 2);
    QCOMPARE(cursor.rest(), QByteArray("three\rtail"));
    QCOMPARE(cursor.next(), std::optional<QByteArray>("three"));
    QVERIFY(!cursor.hasLineEnd());
    QCOMPARE(cursor.next(), std::nullopt);
    QCOMPARE(cursor.rest(), QByteArray("tail"));
    QCOMPARE(cursor.lineNumber(), 3);
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "test_TextLines.moc"
