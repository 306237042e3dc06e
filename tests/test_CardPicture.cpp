// Checks that card pictures are found in the deck folder and that a reversed
// card is turned by 180 degrees, not mirrored.
#include "core/cards/CardPicture.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TestCardPicture : public QObject
{
    Q_OBJECT

private slots:
    void turnedMovesTopLeftToBottomRight();
    void loadsFromDeckFolder();
};

void TestCardPicture::turnedMovesTopLeftToBottomRight()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(1, 0, Qt::green);
    const QImage turned = CardPicture::turned(picture);
    QCOMPARE(turned.size(), picture.size());
    QCOMPARE(turned.pixelColor(3, 2), QColor(Qt::red));
    QCOMPARE(turned.pixelColor(2, 2), QColor(Qt::green));
    QCOMPARE(turned.pixelColor(0, 0), QColor(Qt::white));
}

void TestCardPicture::loadsFromDeckFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pics/Test")));
    const QString path = CardPicture::path(dir.path(), QStringLiteral("Test"), 7);
    QCOMPARE(path, dir.path() + QStringLiteral("/Pics/Test/7.jpg"));
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 10, 10, Qt::black);
    QVERIFY(picture.save(path, "JPG", 100));

    const QImage upright = CardPicture::load(dir.path(), QStringLiteral("Test"), 7, false);
    const QImage reversed = CardPicture::load(dir.path(), QStringLiteral("Test"), 7, true);
    QCOMPARE(upright.size(), QSize(40, 60));
    QVERIFY(upright.pixelColor(2, 2).lightness() < 40);
    QVERIFY(reversed.pixelColor(37, 57).lightness() < 40);
    QVERIFY(reversed.pixelColor(2, 2).lightness() > 215);

    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 8, false).isNull());
    QFile damaged(CardPicture::path(dir.path(), QStringLiteral("Test"), 9));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 9, true).isNull());
}

QTEST_MAIN(TestCardPicture)
#include "test_CardPicture.moc"
