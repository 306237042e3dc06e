// Checks how a spread is placed in the spread area: one scale for places and
// cards that fits the area, the spread centred, a floor below which the area
// scrolls instead, and a card covering most of an earlier one laid across it.
#include "SpreadBuilder.h"
#include "core/table/SpreadLayout.h"
#include "core/table/TableGeometry.h"

#include <QtTest>

namespace {

// Positions placed side by side, `gap` pixels apart, on one row.
Spread row(int positions, int gap)
{
    Spread spread = spreadWith(positions, 0);
    for (int i = 0; i < positions; ++i) {
        spread.positions[i].place =
            QPoint(20 + i * (TableGeometry::PositionSize.width() + gap), 20);
    }
    return spread;
}

} // namespace

class TestSpreadLayout : public QObject
{
    Q_OBJECT

private slots:
    void fillsAndCentresTheArea_data();
    void fillsAndCentresTheArea();
    void keepsTheSpreadsProportions();
    void tooLargeSpreadScrolls();
    void crossingCardLiesAcross();
    void emptySpreadTakesTheArea();
};

void TestSpreadLayout::fillsAndCentresTheArea_data()
{
    QTest::addColumn<QSize>("area");
    QTest::newRow("small screen shrinks") << QSize(600, 400);
    QTest::newRow("large screen enlarges") << QSize(1770, 880);
}

void TestSpreadLayout::fillsAndCentresTheArea()
{
    QFETCH(QSize, area);
    const Spread spread = row(3, 50);
    const SpreadLayout layout(spread, area);
    QRect laid;
    for (int i = 0; i < 3; ++i)
        laid |= layout.positionRect(i);
    // One dimension reaches the margins; the other fits inside them.
    const QRect inner = QRect(QPoint(), area)
                            .adjusted(SpreadLayout::Margin, SpreadLayout::Margin,
                                      -SpreadLayout::Margin, -SpreadLayout::Margin);
    QVERIFY2(inner.adjusted(-1, -1, 1, 1).contains(laid), "the spread stays inside the margins");
    QVERIFY(laid.width() >= inner.width() - 1 || laid.height() >= inner.height() - 1);
    QVERIFY(qAbs(laid.center().x() - inner.center().x()) <= 1);
    QVERIFY(qAbs(laid.center().y() - inner.center().y()) <= 1);
    QCOMPARE(layout.surfaceSize(), area);
}

void TestSpreadLayout::keepsTheSpreadsProportions()
{
    const Spread spread = row(2, 100);
    const SpreadLayout layout(spread, QSize(1000, 1000));
    const double scale = layout.scale();
    QVERIFY(scale > 1.0);
    // Card size and the distance between places grow by the same factor.
    const QRect first = layout.positionRect(0);
    const QRect second = layout.positionRect(1);
    QVERIFY(qAbs(first.width() - TableGeometry::PositionSize.width() * scale) <= 1);
    QVERIFY(qAbs(first.height() - TableGeometry::PositionSize.height() * scale) <= 1);
    QVERIFY(qAbs((second.x() - first.x()) - (TableGeometry::PositionSize.width() + 100) * scale) <=
            1);
    QCOMPARE(first.y(), second.y());
}

void TestSpreadLayout::tooLargeSpreadScrolls()
{
    const Spread spread = row(12, 40);
    const SpreadLayout layout(spread, QSize(300, 300));
    QCOMPARE(layout.scale(), SpreadLayout::MinimumScale);
    QVERIFY(layout.surfaceSize().width() > 300);
    QCOMPARE(layout.surfaceSize().height(), 300);
    QVERIFY(QRect(QPoint(), layout.surfaceSize()).contains(layout.positionRect(11)));
}

void TestSpreadLayout::crossingCardLiesAcross()
{
    Spread spread = spreadWith(3, 0);
    spread.positions[0].place = QPoint(300, 200);
    // Offset a little: it covers most of the first card.
    spread.positions[1].place = QPoint(330, 216);
    // Beside it, touching only an edge.
    spread.positions[2].place = QPoint(380, 200);
    const SpreadLayout layout(spread, QSize(800, 600));
    QVERIFY(!layout.isAcross(0));
    QVERIFY(layout.isAcross(1));
    QVERIFY(!layout.isAcross(2));
    const QRect covered = layout.positionRect(0);
    const QRect across = layout.positionRect(1);
    QVERIFY(across.width() > across.height());
    // Centred on it, within the rounding of the scaled places.
    QVERIFY(qAbs(across.center().x() - covered.center().x()) <= 2);
    QVERIFY(qAbs(across.center().y() - covered.center().y()) <= 2);
    // Both ends of the covered card stay free to be seen and clicked.
    QVERIFY(across.top() > covered.top() + 10 && across.bottom() < covered.bottom() - 10);
}

void TestSpreadLayout::emptySpreadTakesTheArea()
{
    const SpreadLayout layout(spreadWith(0, 0), QSize(640, 480));
    QCOMPARE(layout.surfaceSize(), QSize(640, 480));
    QCOMPARE(layout.positionRect(0), QRect());
}

QTEST_GUILESS_MAIN(TestSpreadLayout)
#include "test_SpreadLayout.moc"
