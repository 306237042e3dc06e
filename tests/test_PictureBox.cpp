// Checks how the detail window sizes its picture box, when it stretches and
// turns the picture, and which typed side lengths it accepts.
#include "core/cards/PictureBox.h"

#include <QtTest>

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void turnedOnlyWhenReversedAndNotKeptStraight();
    void parseSide_data();
    void parseSide();
};

void TestPictureBox::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("keepActual");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("stretched");

    // The card size is 200 x 290 throughout.
    QTest::newRow("tall, fitted") << QSize(400, 600) << false << QSize(193, 290) << true;
    // Too big for its actual size: scaled down, in proportion still.
    QTest::newRow("tall, actual but too big") << QSize(400, 600) << true << QSize(193, 290) << true;
    QTest::newRow("wide, actual but too big") << QSize(600, 300) << true << QSize(200, 100) << true;
    QTest::newRow("small, actual") << QSize(150, 250) << true << QSize(200, 290) << false;
    QTest::newRow("small, fitted") << QSize(150, 250) << false << QSize(174, 290) << true;
    QTest::newRow("wide, fitted") << QSize(300, 200) << false << QSize(200, 133) << true;
    QTest::newRow("only wider, actual") << QSize(201, 100) << true << QSize(200, 99) << true;
    QTest::newRow("no picture") << QSize() << false << QSize(200, 290) << false;
}

void TestPictureBox::fit()
{
    QFETCH(QSize, picture);
    QFETCH(bool, keepActual);
    const PictureBox::Fit fit = PictureBox::fit(picture, QSize(200, 290), keepActual, false, false);
    QTEST(fit.box, "box");
    QTEST(fit.stretched, "stretched");
    QVERIFY(!fit.turned);
}

void TestPictureBox::turnedOnlyWhenReversedAndNotKeptStraight()
{
    const QSize picture(150, 250);
    const QSize card(200, 290);
    QVERIFY(PictureBox::fit(picture, card, true, false, true).turned);
    QVERIFY(!PictureBox::fit(picture, card, true, true, true).turned);
    QVERIFY(!PictureBox::fit(picture, card, true, false, false).turned);
    // Keeping the card straight changes nothing about the box.
    QCOMPARE(PictureBox::fit(picture, card, false, true, true).box, QSize(174, 290));
}

void TestPictureBox::parseSide_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("side");

    QTest::newRow("plain") << QStringLiteral("150") << true << 150;
    QTest::newRow("blanks around") << QStringLiteral("  220 ") << true << 220;
    QTest::newRow("largest") << QStringLiteral("4000") << true << 4000;
    QTest::newRow("letters") << QStringLiteral("12a") << false << 7;
    QTest::newRow("fraction") << QStringLiteral("12.5") << false << 7;
    QTest::newRow("empty") << QString() << false << 7;
    QTest::newRow("zero") << QStringLiteral("0") << false << 7;
    QTest::newRow("negative") << QStringLiteral("-5") << false << 7;
    QTest::newRow("too large") << QStringLiteral("4001") << false << 7;
    QTest::newRow("beyond int") << QStringLiteral("99999999999") << false << 7;
}

void TestPictureBox::parseSide()
{
    QFETCH(QString, text);
    int side = 7;
    QTEST(PictureBox::parseSide(text, side), "accepted");
    QTEST(side, "side");
}

QTEST_MAIN(TestPictureBox)
#include "test_PictureBox.moc"
