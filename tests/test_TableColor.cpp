// Checks the colours of text on the table: the contrast ratio of two colours,
// and that position labels, the option notice and the prompt panel stay
// legible on any table colour while keeping their designed colours where
// those are legible already.
#include "core/app/TableColor.h"

#include <QtTest>

namespace {

constexpr BgrColor Black(0x000000);
constexpr BgrColor White(0xFFFFFF);
// The prompt panel's cream, 0xf3ead2 as red, green, blue.
constexpr BgrColor Cream(0xD2EAF3);

constexpr BgrColor rgb(int red, int green, int blue)
{
    return BgrColor::fromRgb(red, green, blue);
}

} // namespace

class TestTableColor : public QObject
{
    Q_OBJECT

private slots:
    void contrastRatio_data();
    void contrastRatio();
    void textIsLegibleOnEveryTable();
    void designedColoursStayWhereLegible();
};

void TestTableColor::contrastRatio_data()
{
    QTest::addColumn<BgrColor>("first");
    QTest::addColumn<BgrColor>("second");
    QTest::addColumn<double>("ratio");
    // Reference values of the WCAG formula.
    QTest::newRow("black on white") << Black << White << 21.0;
    QTest::newRow("same colour") << rgb(17, 85, 17) << rgb(17, 85, 17) << 1.0;
    QTest::newRow("grey 777 on white") << rgb(0x77, 0x77, 0x77) << White << 4.48;
    QTest::newRow("pure red on white") << rgb(255, 0, 0) << White << 4.0;
    QTest::newRow("navy on the default green")
        << TableColor::Navy << TableColor::DefaultBackColor << 1.78;
    QTest::newRow("black on the default green") << Black << TableColor::DefaultBackColor << 2.33;
}

void TestTableColor::contrastRatio()
{
    QFETCH(BgrColor, first);
    QFETCH(BgrColor, second);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(TableColor::contrastRatio(first, second) - ratio) < 0.01,
             qPrintable(QString::number(TableColor::contrastRatio(first, second))));
    // The order of the two colours does not matter.
    QVERIFY(qAbs(TableColor::contrastRatio(second, first) - ratio) < 0.01);
}

void TestTableColor::textIsLegibleOnEveryTable()
{
    // Every 15th step of each channel, the extremes included: 18^3 tables.
    for (int red = 0; red <= 255; red += 15) {
        for (int green = 0; green <= 255; green += 15) {
            for (int blue = 0; blue <= 255; blue += 15) {
                const BgrColor table = rgb(red, green, blue);
                const auto legible = [table](BgrColor text) {
                    return TableColor::contrastRatio(text, table) >= TableColor::MinimumContrast;
                };
                const QByteArray where = QByteArray::number(table.bgr(), 16);
                QVERIFY2(legible(TableColor::labelColorFor(table)), where);
                QVERIFY2(legible(TableColor::noticeColorFor(table, TableColor::Navy)), where);
                QVERIFY2(legible(TableColor::legibleOn(table, Cream)), where);
            }
        }
    }
}

void TestTableColor::designedColoursStayWhereLegible()
{
    // Black labels and a navy notice on a pale table, as designed.
    const BgrColor pale = rgb(240, 230, 200);
    QCOMPARE(TableColor::labelColorFor(pale), Black);
    QCOMPARE(TableColor::noticeColorFor(pale, TableColor::Navy), TableColor::Navy);
    QCOMPARE(TableColor::legibleOn(TableColor::DefaultBackColor, Cream), Cream);
    // A pale bluish table turns the notice grey only where grey is legible.
    QCOMPARE(TableColor::noticeColorFor(rgb(200, 200, 250), TableColor::Navy), Black);
    QCOMPARE(TableColor::noticeColorFor(rgb(0, 0, 40), TableColor::Navy), rgb(0x77, 0x77, 0x77));
    // On the dark green table neither black nor navy is legible: both give way.
    QCOMPARE(TableColor::labelColorFor(TableColor::DefaultBackColor), White);
    QCOMPARE(TableColor::noticeColorFor(TableColor::DefaultBackColor, TableColor::Navy), White);
    // A cream panel text on a pale table gives way to black.
    QCOMPARE(TableColor::legibleOn(pale, Cream), Black);
}

QTEST_GUILESS_MAIN(TestTableColor)
#include "test_TableColor.moc"
