// Checks the readable text form of a reading: what is printed, that it
// reads back, and that text a reading file cannot hold is refused by line.
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingText.h"

#include <QtTest>

namespace {

QByteArray deckText(int lines)
{
    QByteArray text = "deck " + QByteArray::number(lines) + "\n";
    for (int number = 0; number < lines; ++number)
        text += QByteArray::number(number) + (number == 2 ? " r\n" : "\n");
    return text;
}

} // namespace

class TestReadingText : public QObject
{
    Q_OBJECT

private slots:
    void printsAndReadsBack();
    void refusesWhatAFileCannotHold_data();
    void refusesWhatAFileCannotHold();
    void namesWhatTheTextCannotShow();
};

void TestReadingText::printsAndReadsBack()
{
    const QByteArray text = "format older\r\nspread Three Cards\n" + deckText(22) +
                            "positions 2\n2\n0\ncomments\n1\r\nsecond line\n";
    ReadingFile reading;
    QString error;
    QVERIFY2(ReadingText::parse(text, reading, &error), qPrintable(error));
    QCOMPARE(reading.format, ReadingFile::Format::Older);
    QCOMPARE(reading.spreadName, QByteArray("Three Cards"));
    QCOMPARE(reading.cards.size(), 22);
    QVERIFY(reading.cards[2].reversed && !reading.cards[3].reversed);
    QCOMPARE(reading.cards[21].number, 21u);
    QCOMPARE(reading.positions, QList<quint32>({2, 0}));
    QCOMPARE(reading.comments, QByteArray("1\r\nsecond line\n"));

    QByteArray printed = text;
    printed.replace("format older\r\n", "format older\n");
    QCOMPARE(ReadingText::format(reading), printed);
}

void TestReadingText::refusesWhatAFileCannotHold_data()
{
    const QByteArray head = "format current\nspread Q\n";
    const QByteArray tail = "positions 1\n5\ncomments\n";
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QTest::newRow("unknown format") << "format new\n" + deckText(22) << "line 1";
    QTest::newRow("no spread name") << "format current\nspread \n" + deckText(22) << "line 2";
    QTest::newRow("21 deck lines") << head + deckText(21) + tail << "line 3";
    QTest::newRow("card 79") << head + deckText(22).replace("\n7\n", "\n79\n") + tail << "line 11";
    QTest::newRow("capital R") << head + deckText(22).replace(" r\n", " R\n") + tail << "line 6";
    QTest::newRow("deck cut short") << head + deckText(78).left(40) << "fewer than 78";
    QTest::newRow("80 positions") << head + deckText(22) + "positions 80\n"
                                  << "line 26";
    QTest::newRow("no comments line") << head + deckText(22) + "positions 1\n5\n"
                                      << "line 28";
    QTest::newRow("NUL in comments") << head + deckText(22) + tail + QByteArray("a\0b", 3) << "NUL";
}

void TestReadingText::namesWhatTheTextCannotShow()
{
    ReadingFile reading;
    for (int number = 0; number < 22; ++number)
        reading.cards.append({quint32(number), false});
    reading.spreadName = "Q";
    QVERIFY(ReadingText::formatFault(reading).isEmpty());
    ReadingFile parsed;
    QVERIFY(ReadingText::parse(ReadingText::format(reading), parsed, nullptr));

    for (const QByteArray &name : {QByteArray(), QByteArray("Two\nlines"), QByteArray("A\rB")}) {
        reading.spreadName = name;
        QVERIFY(!ReadingText::formatFault(reading).isEmpty());
        QVERIFY(!ReadingText::parse(ReadingText::format(reading), parsed, nullptr));
    }
    reading.spreadName = "Q";
    reading.comments = QByteArray("a\0b", 3);
    QVERIFY(ReadingText::formatFault(reading).contains(QLatin1String("NUL")));
    QVERIFY(!ReadingText::parse(ReadingText::format(reading), parsed, nullptr));
}

void TestReadingText::refusesWhatAFileCannotHold()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    ReadingFile reading;
    reading.spreadName = "Kept";
    QString error;
    QVERIFY(!ReadingText::parse(text, reading, &error));
    QVERIFY2(error.contains(where), qPrintable(error));
    QCOMPARE(reading.spreadName, QByteArray("Kept"));
}

QTEST_GUILESS_MAIN(TestReadingText)
#include "test_ReadingText.moc"
