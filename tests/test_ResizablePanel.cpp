// Checks that the resizable panel shows a sizing cursor over its grip zones
// and follows a mouse drag of an edge or corner, no smaller than its minimum,
// and that the arrow keys move the edges its docking lets move.
#include "ui/cards/ResizablePanel.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(GripZones::Alignment)
#include <QtTest>

class TestResizablePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cursorFollowsZones();
    void dragResizesAndReports();
    void arrowKeysMoveTheFreeEdges_data();
    void arrowKeysMoveTheFreeEdges();

private:
    std::unique_ptr<QWidget> m_parent;
    ResizablePanel *m_panel = nullptr;
};

void TestResizablePanel::init()
{
    m_parent = std::make_unique<QWidget>();
    m_parent->resize(400, 300);
    m_panel = new ResizablePanel(QStringLiteral("Text field"), m_parent.get());
    m_panel->setGeometry(100, 50, 120, 90);
    m_parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
}

void TestResizablePanel::cursorFollowsZones()
{
    const struct
    {
        QPoint pos;
        Qt::CursorShape shape;
    } cases[] = {
        {{118, 45}, Qt::SizeHorCursor},  {{2, 45}, Qt::SizeHorCursor},
        {{60, 88}, Qt::SizeVerCursor},   {{117, 87}, Qt::SizeFDiagCursor},
        {{118, 1}, Qt::SizeBDiagCursor}, {{60, 45}, Qt::ArrowCursor},
    };
    for (const auto &hover : cases) {
        QTest::mouseMove(m_panel, hover.pos);
        QCOMPARE(m_panel->cursor().shape(), hover.shape);
    }
}

void TestResizablePanel::dragResizesAndReports()
{
    QSignalSpy resized(m_panel, &ResizablePanel::resizedByUser);
    QTest::mousePress(m_panel, Qt::LeftButton, {}, QPoint(2, 45));
    QTest::mouseMove(m_panel, QPoint(-18, 45));
    QTest::mouseRelease(m_panel, Qt::LeftButton, {}, QPoint(-18, 45));
    QCOMPARE(m_panel->geometry(), QRect(80, 50, 140, 90));
    QCOMPARE(resized.count(), 1);

    // A press away from the edges starts no drag.
    QTest::mousePress(m_panel, Qt::LeftButton, {}, QPoint(60, 45));
    QTest::mouseMove(m_panel, QPoint(90, 70));
    QTest::mouseRelease(m_panel, Qt::LeftButton, {}, QPoint(90, 70));
    QCOMPARE(m_panel->geometry(), QRect(80, 50, 140, 90));

    // A zero minimum still leaves both grip bands, so the panel can be grabbed again.
    m_panel->setMinimumDragSize(QSize(100, 0));
    QTest::mousePress(m_panel, Qt::LeftButton, {}, QPoint(138, 88));
    QTest::mouseMove(m_panel, QPoint(-50, -50));
    QTest::mouseRelease(m_panel, Qt::LeftButton, {}, QPoint(-50, -50));
    QCOMPARE(m_panel->geometry(), QRect(80, 50, 100, 10));
    QCOMPARE(resized.count(), 2);
}

void TestResizablePanel::arrowKeysMoveTheFreeEdges_data()
{
    using GripZones::Alignment;
    QTest::addColumn<Alignment>("alignment");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("free: right widens")
        << Alignment::None << int(Qt::Key_Right) << false << QRect(100, 50, 121, 90);
    QTest::newRow("free: shift down, ten")
        << Alignment::None << int(Qt::Key_Down) << true << QRect(100, 50, 120, 100);
    QTest::newRow("docked right: left widens leftwards")
        << Alignment::Right << int(Qt::Key_Left) << false << QRect(99, 50, 121, 90);
    QTest::newRow("docked bottom: up heightens upwards")
        << Alignment::Bottom << int(Qt::Key_Up) << false << QRect(100, 49, 120, 91);
    QTest::newRow("docked top: width stays")
        << Alignment::Top << int(Qt::Key_Right) << false << QRect(100, 50, 120, 90);
    QTest::newRow("filling: nothing moves")
        << Alignment::Client << int(Qt::Key_Down) << false << QRect(100, 50, 120, 90);
}

void TestResizablePanel::arrowKeysMoveTheFreeEdges()
{
    QFETCH(GripZones::Alignment, alignment);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QRect, expected);
    QSignalSpy resized(m_panel, &ResizablePanel::resizedByUser);
    m_panel->setAlignment(alignment);
    QTest::keyClick(m_panel, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(m_panel->geometry(), expected);
    QCOMPARE(resized.count(), expected == QRect(100, 50, 120, 90) ? 0 : 1);
}

QTEST_MAIN(TestResizablePanel)
#include "test_ResizablePanel.moc"
