// Checks which position an arrow key moves to: the nearest one that lies that
// way, in line before aslant, nothing past the spread's edge, and cards that
// share a spot taken in index order.
#include "core/table/PositionNavigation.h"

#include <QtTest>

using Direction = PositionNavigation::Direction;
Q_DECLARE_METATYPE(Direction)

namespace {

// A position picture whose centre lies at (x, y).
QRect at(int x, int y)
{
    return QRect(x - 40, y - 70, 81, 141);
}

} // namespace

class TestPositionNavigation : public QObject
{
    Q_OBJECT

private slots:
    void movesToTheNearestThatWay_data();
    void movesToTheNearestThatWay();
};

void TestPositionNavigation::movesToTheNearestThatWay_data()
{
    QTest::addColumn<QList<QRect>>("places");
    QTest::addColumn<int>("from");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<int>("expected");

    const QList<QRect> row = {at(100, 100), at(300, 100), at(500, 100)};
    QTest::newRow("right along a row") << row << 0 << Direction::Right << 1;
    QTest::newRow("left along a row") << row << 2 << Direction::Left << 1;
    QTest::newRow("nothing past the left edge") << row << 0 << Direction::Left << -1;
    QTest::newRow("nothing above a row") << row << 1 << Direction::Up << -1;
    QTest::newRow("from no position") << row << -1 << Direction::Right << -1;

    // Below 0 lie 1 straight down and 2 nearer but off to the side.
    const QList<QRect> column = {at(100, 100), at(100, 400), at(250, 260)};
    QTest::newRow("in line before aslant") << column << 0 << Direction::Down << 1;
    QTest::newRow("up from the foot") << column << 1 << Direction::Up << 0;
    QTest::newRow("aslant when alone that way") << column << 0 << Direction::Right << 2;

    // 1 lies across 0, on the same spot; 2 lies right of both.
    const QList<QRect> cross = {at(300, 300), at(300, 300), at(500, 300)};
    QTest::newRow("onto the card across") << cross << 0 << Direction::Right << 1;
    QTest::newRow("down onto the card across") << cross << 0 << Direction::Down << 1;
    QTest::newRow("back from the card across") << cross << 1 << Direction::Left << 0;
    QTest::newRow("on past the card across") << cross << 1 << Direction::Right << 2;
    QTest::newRow("left skips to the spot") << cross << 2 << Direction::Left << 0;
}

void TestPositionNavigation::movesToTheNearestThatWay()
{
    QFETCH(QList<QRect>, places);
    QFETCH(int, from);
    QFETCH(Direction, direction);
    QFETCH(int, expected);
    QCOMPARE(PositionNavigation::neighbour(places, from, direction), expected);
}

QTEST_GUILESS_MAIN(TestPositionNavigation)
#include "test_PositionNavigation.moc"
