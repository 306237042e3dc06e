// Checks which edge or corner of a resizable panel lies under the pointer,
// for unaligned and docked panels, and the size a drag gives the panel.
#include "core/cards/GripZones.h"

#include <QtTest>

using GripZones::Alignment;
using GripZones::Zone;

Q_DECLARE_METATYPE(GripZones::Zone)
Q_DECLARE_METATYPE(GripZones::Alignment)

class TestGripZones : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data();
    void hitTest();
    void dragged_data();
    void dragged();
};

void TestGripZones::hitTest_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Alignment>("alignment");
    QTest::addColumn<Zone>("zone");

    const QSize panel(100, 80);
    const auto none = Alignment::None;
    QTest::newRow("middle") << QPoint(50, 40) << panel << none << Zone::None;
    QTest::newRow("just inside the band") << QPoint(6, 40) << panel << none << Zone::None;
    QTest::newRow("left band edge") << QPoint(5, 40) << panel << none << Zone::Left;
    QTest::newRow("right") << QPoint(95, 40) << panel << none << Zone::Right;
    QTest::newRow("top") << QPoint(50, 0) << panel << none << Zone::Top;
    QTest::newRow("bottom") << QPoint(50, 79) << panel << none << Zone::Bottom;
    QTest::newRow("bottom right") << QPoint(96, 76) << panel << none << Zone::BottomRight;
    QTest::newRow("top left") << QPoint(5, 5) << panel << none << Zone::TopLeft;
    QTest::newRow("top right") << QPoint(99, 2) << panel << none << Zone::TopRight;
    QTest::newRow("bottom left") << QPoint(0, 79) << panel << none << Zone::BottomLeft;

    // On a tiny panel every corner applies; the bottom-right one is tested first.
    QTest::newRow("tiny panel corner") << QPoint(3, 3) << QSize(8, 8) << none << Zone::BottomRight;
    // On a panel narrower than both bands the left edge replaces the right.
    QTest::newRow("narrow panel edge") << QPoint(4, 40) << QSize(8, 80) << none << Zone::Left;

    QTest::newRow("client aligned") << QPoint(99, 79) << panel << Alignment::Client << Zone::None;
    QTest::newRow("left aligned, right edge")
        << QPoint(98, 40) << panel << Alignment::Left << Zone::Right;
    QTest::newRow("left aligned, left edge")
        << QPoint(2, 40) << panel << Alignment::Left << Zone::None;
    // Docked panels have no corners: in a corner only the edge the docking
    // leaves free is found.
    QTest::newRow("left aligned, corner")
        << QPoint(98, 78) << panel << Alignment::Left << Zone::Right;
    QTest::newRow("top aligned, corner")
        << QPoint(98, 78) << panel << Alignment::Top << Zone::Bottom;
    QTest::newRow("right aligned") << QPoint(1, 78) << panel << Alignment::Right << Zone::Left;
    QTest::newRow("bottom aligned") << QPoint(1, 1) << panel << Alignment::Bottom << Zone::Top;
    QTest::newRow("bottom aligned, bottom edge")
        << QPoint(50, 79) << panel << Alignment::Bottom << Zone::None;
}

void TestGripZones::hitTest()
{
    QFETCH(QPoint, pos);
    QFETCH(QSize, size);
    QFETCH(Alignment, alignment);
    QTEST(GripZones::hitTest(pos.x(), pos.y(), size, alignment), "zone");
}

void TestGripZones::dragged_data()
{
    QTest::addColumn<Zone>("zone");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");

    // The panel starts at (50, 40), 100 x 80; the minimum is 30 x 20.
    QTest::newRow("right grows") << Zone::Right << QPoint(15, 9) << QRect(50, 40, 115, 80);
    QTest::newRow("left shrinks") << Zone::Left << QPoint(10, 0) << QRect(60, 40, 90, 80);
    QTest::newRow("left stops at minimum") << Zone::Left << QPoint(90, 0) << QRect(120, 40, 30, 80);
    QTest::newRow("bottom stops at minimum")
        << Zone::Bottom << QPoint(0, -100) << QRect(50, 40, 100, 20);
    QTest::newRow("top left grows") << Zone::TopLeft << QPoint(-5, -7) << QRect(45, 33, 105, 87);
    QTest::newRow("bottom left") << Zone::BottomLeft << QPoint(5, 5) << QRect(55, 40, 95, 85);
    QTest::newRow("top right") << Zone::TopRight << QPoint(5, 5) << QRect(50, 45, 105, 75);
    QTest::newRow("no zone") << Zone::None << QPoint(5, 5) << QRect(50, 40, 100, 80);
}

void TestGripZones::dragged()
{
    QFETCH(Zone, zone);
    QFETCH(QPoint, delta);
    QTEST(GripZones::dragged(QRect(50, 40, 100, 80), zone, delta, QSize(30, 20)), "expected");
}

QTEST_MAIN(TestGripZones)
#include "test_GripZones.moc"
