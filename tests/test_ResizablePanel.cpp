// Checks that the resizable panel shows a sizing cursor over its grip zones
// and follows a mouse drag of an edge or corner, no smaller than its minimum.
#include "ui/cards/ResizablePanel.h"

#include <QSignalSpy>
#include <QtTest>

class TestResizablePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cursorFollowsZones();
    void dragResizesAndReports();

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

QTEST_MAIN(TestResizablePanel)
#include "test_ResizablePanel.moc"
