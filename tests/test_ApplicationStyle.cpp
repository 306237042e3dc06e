// Checks that the application's style keeps the style it is made over, draws
// the extension arrows it defers exactly as that style does, and leaves every
// other icon alone.
#include "ui/app/ApplicationStyle.h"

#include <QIcon>
#include <QImage>
#include <QtTest>

class TestApplicationStyle : public QObject
{
    Q_OBJECT

private slots:
    void deferredArrowsMatchTheBaseStyle_data();
    void deferredArrowsMatchTheBaseStyle();
    void keepsTheStyleAskedFor();
};

void TestApplicationStyle::deferredArrowsMatchTheBaseStyle_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("horizontal extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical extension") << int(QStyle::SP_ToolBarVerticalExtensionButton);
    QTest::newRow("other icon") << int(QStyle::SP_ArrowUp);
}

void TestApplicationStyle::deferredArrowsMatchTheBaseStyle()
{
    QFETCH(int, which);
    const auto pixmap = QStyle::StandardPixmap(which);
    ApplicationStyle style(QStringLiteral("Fusion"));
    const QIcon icon = style.standardIcon(pixmap);
    const QIcon base = style.baseStyle()->standardIcon(pixmap);
    QVERIFY(!base.isNull());
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), base.availableSizes());
    for (const int side : {16, 24, 32}) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            QCOMPARE(icon.actualSize(QSize(side, side), mode),
                     base.actualSize(QSize(side, side), mode));
            QCOMPARE(icon.pixmap(side, mode).toImage(), base.pixmap(side, mode).toImage());
        }
    }
    // Copies share nothing that breaks when the first is gone.
    QIcon copy;
    {
        const QIcon first = style.standardIcon(pixmap);
        copy = first;
    }
    QCOMPARE(copy.pixmap(16).toImage(), base.pixmap(16).toImage());
}

void TestApplicationStyle::keepsTheStyleAskedFor()
{
    for (const QString &key : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        const ApplicationStyle style(key);
        QCOMPARE(style.baseStyle()->name(), key.toLower());
    }
}

QTEST_MAIN(TestApplicationStyle)
#include "test_ApplicationStyle.moc"
