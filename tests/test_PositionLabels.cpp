// Checks how positions are labelled and hinted with one or two significators, on the table, in
// the editor and on a report's spread picture.
#include "core/spreads/PositionLabels.h"
#include "core/spreads/Spread.h"

#include "SpreadBuilder.h"

#include <QtTest>

class TestPositionLabels : public QObject
{
    Q_OBJECT

private slots:
    void oneSignificator();
    void twoSignificators();
};

void TestPositionLabels::oneSignificator()
{
    const Spread spread = spreadWith(4, 1);
    QCOMPARE(PositionLabels::tableLabel(spread, 0), QByteArray("S. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 1), QByteArray("1. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 3), QByteArray("3. "));
    QCOMPARE(PositionLabels::editorLabel(spread, 0), QByteArray("S1. "));
    QCOMPARE(PositionLabels::hint(spread, 0), QByteArray("E0"));
    QCOMPARE(PositionLabels::hint(spread, 2), QByteArray("2. E2"));
    QCOMPARE(PositionLabels::documentHeading(spread, 0), QByteArray("E0"));
    QCOMPARE(PositionLabels::documentHeading(spread, 2), QByteArray("2. E2"));
    QCOMPARE(PositionLabels::reportLabel(spread, 0), QByteArray("S"));
    QCOMPARE(PositionLabels::reportLabel(spread, 1), QByteArray("1"));
    QCOMPARE(PositionLabels::reportLabel(spread, 3), QByteArray("3"));
}

void TestPositionLabels::twoSignificators()
{
    const Spread spread = spreadWith(3, 2);
    QCOMPARE(PositionLabels::tableLabel(spread, 0), QByteArray("S1. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 1), QByteArray("S2. "));
    QCOMPARE(PositionLabels::tableLabel(spread, 2), QByteArray("1. "));
    QCOMPARE(PositionLabels::hint(spread, 0), QByteArray("E0 1"));
    QCOMPARE(PositionLabels::hint(spread, 1), QByteArray("E1 2"));
    QCOMPARE(PositionLabels::hint(spread, 2), QByteArray("1. E2"));
    // Word-processor reports number several significators without a space.
    QCOMPARE(PositionLabels::documentHeading(spread, 0), QByteArray("E01"));
    QCOMPARE(PositionLabels::documentHeading(spread, 1), QByteArray("E12"));
    QCOMPARE(PositionLabels::documentHeading(spread, 2), QByteArray("1. E2"));
    QCOMPARE(PositionLabels::editorLabel(spread, 1), QByteArray("S2. "));
    QCOMPARE(PositionLabels::reportLabel(spread, 0), QByteArray("S1"));
    QCOMPARE(PositionLabels::reportLabel(spread, 1), QByteArray("S2"));
    QCOMPARE(PositionLabels::reportLabel(spread, 2), QByteArray("1"));
}

QTEST_GUILESS_MAIN(TestPositionLabels)
#include "test_PositionLabels.moc"
