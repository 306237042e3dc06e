// Checks that the card back fills the size asked for, is drawn the same every
// time and on any thread, cannot be told apart when turned upside down, and
// shows the gold pattern on the table's green rather than a plain fill.
#include "core/cards/CardBack.h"

#include <QtTest>

class TestCardBack : public QObject
{
    Q_OBJECT

private slots:
    void drawsTheBack_data();
    void drawsTheBack();
    void emptySizeGivesNullImage_data();
    void emptySizeGivesNullImage();
};

void TestCardBack::drawsTheBack_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("table") << QSize(115, 196);
    QTest::newRow("small") << QSize(58, 98);
    // Odd sizes have a middle row and column that must match themselves.
    QTest::newRow("odd") << QSize(57, 97);
    QTest::newRow("wide") << QSize(196, 115);
}

void TestCardBack::drawsTheBack()
{
    QFETCH(QSize, size);
    const QImage back = CardBack::render(size);
    QCOMPARE(back.size(), size);
    QVERIFY(!back.hasAlphaChannel());

    QCOMPARE(CardBack::render(size), back);
    // Drawn on a thread of its own, it is the same back, and stays at hand.
    CardBack::Pending pending(size);
    QCOMPARE(pending.image(), back);
    QCOMPARE(pending.image(), back);
    QVERIFY(back == back.mirrored(true, true));

    int green = 0;
    int gold = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) {
            const QColor c = back.pixelColor(x, y);
            if (c.green() > c.red() + 30 && c.green() > c.blue() + 30)
                ++green;
            else if (c.red() > 150 && c.green() > 120 && c.blue() < 120)
                ++gold;
        }
    const int pixels = size.width() * size.height();
    QVERIFY2(green > pixels / 2, qPrintable(QStringLiteral("green pixels: %1").arg(green)));
    QVERIFY2(gold > pixels / 50, qPrintable(QStringLiteral("gold pixels: %1").arg(gold)));
}

void TestCardBack::emptySizeGivesNullImage_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("invalid") << QSize();
    QTest::newRow("no width") << QSize(0, 98);
    QTest::newRow("negative") << QSize(58, -1);
}

void TestCardBack::emptySizeGivesNullImage()
{
    QFETCH(QSize, size);
    QVERIFY(CardBack::render(size).isNull());
}

QTEST_MAIN(TestCardBack)
#include "test_CardBack.moc"
