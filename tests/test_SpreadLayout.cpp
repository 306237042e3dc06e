// Checks how a spread is placed in the spread area: one scale for places and
// cards that fits the area, the spread centred, a floor below which the area
// scrolls instead, and a card whose centre lies near an earlier card's centre
// laid across it, while a cascade stays a cascade.
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
    void onlyNearCentreCardsLieAcross_data();
    void onlyNearCentreCardsLieAcross();
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

void TestSpreadLayout::onlyNearCentreCardsLieAcross_data()
{
    QTest::addColumn<QList<QPoint>>("places");
    QTest::addColumn<QList<bool>>("across");
    // The crossing card of the bundled Celtic Cross, offset a little.
    QTest::newRow("celtic cross") << QList<QPoint>{{322, 206}, {352, 222}, {322, 392}}
                                  << QList<bool>{false, true, false};
    QTest::newRow("exactly on top")
        << QList<QPoint>{{100, 100}, {100, 100}} << QList<bool>{false, true};
    QTest::newRow("cascade") << QList<QPoint>{{100, 100}, {145, 120}, {190, 140}}
                             << QList<bool>{false, false, false};
    QTest::newRow("steep cascade")
        << QList<QPoint>{{100, 100}, {110, 136}} << QList<bool>{false, false};
    QTest::newRow("touching an edge")
        << QList<QPoint>{{300, 200}, {380, 200}} << QList<bool>{false, false};
    // A card crosses an upright card only, never one already across.
    QTest::newRow("third on the cross")
        << QList<QPoint>{{100, 100}, {110, 100}, {120, 100}} << QList<bool>{false, true, true};
}

void TestSpreadLayout::onlyNearCentreCardsLieAcross()
{
    QFETCH(QList<QPoint>, places);
    QFETCH(QList<bool>, across);
    Spread spread = spreadWith(int(places.size()), 0);
    placeAt(spread, places);
    const SpreadLayout layout(spread, QSize(800, 600));
    for (int i = 0; i < places.size(); ++i) {
        QCOMPARE(layout.isAcross(i), across.at(i));
        const QRect rect = layout.positionRect(i);
        QCOMPARE(rect.width() > rect.height(), across.at(i));
    }
    // A card across lies centred on the card it crosses, whose ends stay free
    // to be seen and clicked.
    if (across.value(1)) {
        const QRect covered = layout.positionRect(0);
        const QRect crossing = layout.positionRect(1);
        QVERIFY(qAbs(crossing.center().x() - covered.center().x()) <= 2);
        QVERIFY(qAbs(crossing.center().y() - covered.center().y()) <= 2);
        QVERIFY(crossing.top() > covered.top() + 10 && crossing.bottom() < covered.bottom() - 10);
    }
}

void TestSpreadLayout::emptySpreadTakesTheArea()
{
    const SpreadLayout layout(spreadWith(0, 0), QSize(640, 480));
    QCOMPARE(layout.surfaceSize(), QSize(640, 480));
    QCOMPARE(layout.positionRect(0), QRect());
}

QTEST_GUILESS_MAIN(TestSpreadLayout)
#include "test_SpreadLayout.moc"
