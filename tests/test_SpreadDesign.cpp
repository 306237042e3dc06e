// Checks the spread editor's model: its capacity, keeping significators
// first, where Add puts a box, what keeps a design from being saved, and
// which names a spread file may have.
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadDesign.h"

#include "SpreadBuilder.h"

#include <QtTest>

namespace {

constexpr QSize Box{87, 148};

QList<QByteArray> labels(const SpreadDesign &design)
{
    QList<QByteArray> result;
    for (int i = 0; i < design.count(); ++i)
        result.append(design.label(i));
    return result;
}

QList<QByteArray> explanations(const SpreadDesign &design)
{
    QList<QByteArray> result;
    for (const SpreadDesign::Position &position : design.positions())
        result.append(position.explanation);
    return result;
}

} // namespace

class TestSpreadDesign : public QObject
{
    Q_OBJECT

private slots:
    void significatorsAfterOrdinaryPositionsMoveUp();
    void addStopsAtCapacity();
    void checkingMovesAmongSignificators();
    void freePlaceAvoidsOtherBoxes();
    void freePlaceWhenVisibleAreaIsFull();
    void unexplainedPositionsAreNamed();
    void nameProblems_data();
    void nameProblems();
    void reorderKeepsSignificatorsFirst_data();
    void reorderKeepsSignificatorsFirst();
};

void TestSpreadDesign::significatorsAfterOrdinaryPositionsMoveUp()
{
    Spread spread = spreadWith(3, 0);
    spread.positions[2].significator = true;
    const SpreadDesign design = SpreadDesign::fromSpread(spread);
    QCOMPARE(explanations(design), (QList<QByteArray>{"E2", "E0", "E1"}));
    QCOMPARE(design.significatorCount(), 1);
}

void TestSpreadDesign::addStopsAtCapacity()
{
    SpreadDesign design;
    for (int i = 0; i < SpreadDesign::Capacity; ++i)
        QCOMPARE(design.add(QPoint(i, 2 * i)), i);
    QVERIFY(design.isFull());
    QCOMPARE(design.add(QPoint(5, 5)), -1);
    QCOMPARE(design.count(), 79);
    QCOMPARE(design.at(78).place, QPoint(78, 156));
    QVERIFY(!design.at(78).significator);
}

void TestSpreadDesign::checkingMovesAmongSignificators()
{
    SpreadDesign design = SpreadDesign::fromSpread(spreadWith(5, 1));
    // The fourth position becomes the second significator.
    QCOMPARE(design.setSignificator(3, true), 1);
    QCOMPARE(explanations(design), (QList<QByteArray>{"E0", "E3", "E1", "E2", "E4"}));
    QCOMPARE(labels(design), (QList<QByteArray>{"S1. ", "S2. ", "1. ", "2. ", "3. "}));
    // The first significator turns ordinary and leads the ordinary ones.
    QCOMPARE(design.setSignificator(0, false), 1);
    QCOMPARE(explanations(design), (QList<QByteArray>{"E3", "E0", "E1", "E2", "E4"}));
    QCOMPARE(design.significatorCount(), 1);
    QCOMPARE(design.toSpread().layoutFault(), QString());
    // Setting what is already set moves nothing.
    QCOMPARE(design.setSignificator(2, false), 2);
    QCOMPARE(design.setSignificator(0, true), 0);
}

void TestSpreadDesign::freePlaceAvoidsOtherBoxes()
{
    SpreadDesign design;
    const QRect visible(0, 0, 400, 400);
    QCOMPARE(design.freePlace(visible, Box), QPoint(8, 8));
    design.add(QPoint(8, 8));
    QCOMPARE(design.freePlace(visible, Box), QPoint(103, 8));
    // A box that reaches into the second slot pushes the new one further.
    design.add(QPoint(150, 100));
    QCOMPARE(design.freePlace(visible, Box), QPoint(293, 8));
    // Scrolled down and right, the new box goes where the user looks.
    QCOMPARE(design.freePlace(QRect(500, 300, 400, 400), Box), QPoint(508, 308));
}

void TestSpreadDesign::freePlaceWhenVisibleAreaIsFull()
{
    SpreadDesign design;
    const QRect visible(0, 0, 100, 160);
    design.add(QPoint(0, 0));
    QCOMPARE(design.freePlace(visible, Box), QPoint(8, 8));
    design.add(QPoint(8, 8));
    QCOMPARE(design.freePlace(visible, Box), QPoint(28, 28));
    design.add(QPoint(28, 28));
    QCOMPARE(design.freePlace(visible, Box), QPoint(48, 48));
}

void TestSpreadDesign::unexplainedPositionsAreNamed()
{
    SpreadDesign design;
    QCOMPARE(design.saveProblem(), SpreadDesign::SaveProblem::NoPositions);
    design = SpreadDesign::fromSpread(spreadWith(6, 1));
    QCOMPARE(design.saveProblem(), SpreadDesign::SaveProblem::None);
    design.setExplanation(2, {});
    design.setExplanation(5, {});
    QCOMPARE(design.saveProblem(), SpreadDesign::SaveProblem::MissingExplanations);
    QCOMPARE(design.unexplainedLabels(), (QList<QByteArray>{"2", "5"}));
    design.setExplanation(0, {});
    QCOMPARE(design.unexplainedLabels(), (QList<QByteArray>{"S1", "2", "5"}));
}

void TestSpreadDesign::nameProblems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<SpreadDesign::NameProblem>("problem");
    using P = SpreadDesign::NameProblem;
    QTest::newRow("ordinary") << QStringLiteral("Three Fates") << P::None;
    QTest::newRow("cyrillic") << QStringLiteral("Вопрос") << P::None;
    QTest::newRow("inner dot") << QStringLiteral("Path v.2") << P::None;
    QTest::newRow("empty") << QString() << P::Empty;
    QTest::newRow("blank") << QStringLiteral("   ") << P::Empty;
    QTest::newRow("slash") << QStringLiteral("a/b") << P::NotAFileName;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << P::NotAFileName;
    QTest::newRow("leading dot") << QStringLiteral(".hidden") << P::NotAFileName;
    QTest::newRow("dot dot") << QStringLiteral("..") << P::NotAFileName;
    QTest::newRow("spaces around") << QStringLiteral("  three cards  ") << P::None;
    QTest::newRow("longest") << QString(100, QChar(0x0416)) << P::None;
    QTest::newRow("longest with spaces") << QString(100, QLatin1Char('n')) + "   " << P::None;
    QTest::newRow("too long") << QString(101, QLatin1Char('n')) << P::TooLong;
    QTest::newRow("far too long") << QString(300, QLatin1Char('n')) << P::TooLong;
    QTest::newRow("tab") << QStringLiteral("a\tb") << P::ControlCharacter;
    QTest::newRow("line end") << QStringLiteral("a\r\nb") << P::ControlCharacter;
}

void TestSpreadDesign::nameProblems()
{
    QFETCH(QString, name);
    QFETCH(SpreadDesign::NameProblem, problem);
    QCOMPARE(SpreadDesign::nameProblem(name), problem);
}

void TestSpreadDesign::reorderKeepsSignificatorsFirst_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("landed");
    QTest::addColumn<QList<QByteArray>>("order");
    // Two significators (E0, E1), then three ordinary positions.
    QTest::newRow("down one") << 2 << 3 << 3 << QList<QByteArray>{"E0", "E1", "E3", "E2", "E4"};
    QTest::newRow("to the end") << 2 << 4 << 4 << QList<QByteArray>{"E0", "E1", "E3", "E4", "E2"};
    QTest::newRow("up among significators stops")
        << 3 << 0 << 2 << QList<QByteArray>{"E0", "E1", "E3", "E2", "E4"};
    QTest::newRow("significator below ordinary stops")
        << 0 << 4 << 1 << QList<QByteArray>{"E1", "E0", "E2", "E3", "E4"};
}

void TestSpreadDesign::reorderKeepsSignificatorsFirst()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, landed);
    QFETCH(QList<QByteArray>, order);
    SpreadDesign design = SpreadDesign::fromSpread(spreadWith(5, 2));
    QCOMPARE(design.reorder(from, to), landed);
    QCOMPARE(explanations(design), order);
    QCOMPARE(design.significatorCount(), 2);
}

QTEST_GUILESS_MAIN(TestSpreadDesign)
#include "test_SpreadDesign.moc"
