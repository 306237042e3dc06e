// Checks that on a screen of a fractional scale (1.5) the spread editor's
// boxes keep all four sides of their frame wherever they stand: a line drawn
// on a widget's edge there can fall in a device pixel row its clip leaves out.
#include "ui/spreads/PositionBox.h"

#include <QtTest>

namespace {

const bool scaleChosen = qputenv("QT_SCALE_FACTOR", "1.5");

// Whether a dark pixel lies among the `count` device pixels from `from` by `step`.
bool darkAlong(const QImage &image, QPoint from, QPoint step, int count)
{
    for (int i = 0; i < count; ++i, from += step)
        if (image.rect().contains(from) && qGray(image.pixel(from)) < 40)
            return true;
    return false;
}

} // namespace

class TestFractionalScale : public QObject
{
    Q_OBJECT

private slots:
    void boxesKeepEverySide();
};

void TestFractionalScale::boxesKeepEverySide()
{
    QVERIFY(scaleChosen);
    QWidget area;
    area.resize(300, 200);
    area.setStyleSheet(QStringLiteral("background: white"));
    // Odd and even places: at 1.5 one of them starts half way into a device pixel.
    const QList<QRect> places{{43, 43, 41, 61}, {100, 44, 41, 61}, {157, 45, 42, 62}};
    for (const QRect &place : places)
        (new PositionBox(0, Qt::darkGreen, &area))->setGeometry(place);
    const QImage shown = area.grab().toImage();
    QCOMPARE(shown.devicePixelRatio(), 1.5);
    for (const QRect &place : places) {
        // Each side is looked for across the rows or columns around its edge.
        const QRect device(place.topLeft() * 1.5, place.size() * 1.5);
        const QPoint middle = device.center();
        QVERIFY(darkAlong(shown, {middle.x(), device.top() - 2}, {0, 1}, 5));
        QVERIFY(darkAlong(shown, {middle.x(), device.bottom() - 2}, {0, 1}, 5));
        QVERIFY(darkAlong(shown, {device.left() - 2, middle.y()}, {1, 0}, 5));
        QVERIFY(darkAlong(shown, {device.right() - 2, middle.y()}, {1, 0}, 5));
    }
}

QTEST_MAIN(TestFractionalScale)
#include "test_FractionalScale.moc"
