// Checks that the piles of the cut lie over the table's writing, as cards
// laid on a table cover what is written on it: no letter of a label shows
// through a pile sliding under it.
#include "core/cards/CardBack.h"
#include "core/table/TableGeometry.h"
#include "ui/table/CutAnimation.h"

#include <QLabel>
#include <QtTest>

class TestCutAnimation : public QObject
{
    Q_OBJECT

private slots:
    void pilesCoverTheLabels_data();
    void pilesCoverTheLabels();
};

void TestCutAnimation::pilesCoverTheLabels_data()
{
    QTest::addColumn<bool>("threePiles");
    QTest::newRow("plain") << false;
    QTest::newRow("three piles") << true;
}

void TestCutAnimation::pilesCoverTheLabels()
{
    QFETCH(bool, threePiles);
    QWidget table;
    table.resize(1366, 768);
    const TableGeometry geometry(table.size(), table.size());
    // Red letters all over the table, under every place the piles pass.
    QLabel writing(QStringLiteral("M ").repeated(4000), &table);
    writing.setWordWrap(true);
    writing.setStyleSheet(QStringLiteral("color: #ff0000; font-size: 20px"));
    writing.setGeometry(table.rect());
    CutAnimation cut(&table, CardBack::render(TableGeometry::LargeBackSize),
                     geometry.stackedDeckRect().topLeft(), threePiles);
    cut.setPauses(false);
    cut.start();
    int covered = 0;
    while (cut.isRunning()) {
        QTest::qWait(1);
        for (const QRect &pile : cut.pileRects()) {
            // The pile's top card covers all of its own rectangle.
            const QRect under =
                QRect(pile.topLeft(), TableGeometry::LargeBackSize).intersected(table.rect());
            if (under.isEmpty())
                continue;
            ++covered;
            const QImage shown = table.grab(under).toImage();
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    const QColor colour = shown.pixelColor(x, y);
                    if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60)
                        QFAIL(qPrintable(QStringLiteral("a letter shows through the pile at %1,%2")
                                             .arg(under.x() + x)
                                             .arg(under.y() + y)));
                }
            }
        }
    }
    QVERIFY(covered > 0);
}

QTEST_MAIN(TestCutAnimation)
#include "test_CutAnimation.moc"
