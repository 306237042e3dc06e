// Checks the pictures a report is made of: the spread picture's size rules, its outlines,
// miniatures and labels, the card pictures turned for reversed cards, the positions left out
// for missing pictures, and the failure when the spread picture cannot be written.
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"

#include "TinyDisk.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

constexpr char DeckName[] = "Testdeck";
constexpr QSize CardSize{40, 60};

// Red in its top-left quarter, blue elsewhere: where the red lies shows how it was turned.
QImage markedCard()
{
    QImage card(CardSize, QImage::Format_RGB32);
    card.fill(Qt::blue);
    for (int y = 0; y < CardSize.height() / 2; ++y)
        for (int x = 0; x < CardSize.width() / 2; ++x)
            card.setPixelColor(x, y, Qt::red);
    return card;
}

bool isReddish(const QColor &color)
{
    return color.red() > 200 && color.blue() < 60;
}

bool isBluish(const QColor &color)
{
    return color.blue() > 200 && color.red() < 60;
}

// Whether any pixel inside `area` is bluish.
bool hasBlue(const QImage &picture, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isBluish(picture.pixelColor(x, y)))
                return true;
    return false;
}

bool isWhite(const QColor &color)
{
    return color == QColor(Qt::white);
}

// Whether any pixel inside `area` is dark.
bool hasInk(const QImage &picture, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 100)
                return true;
    return false;
}

ReportModel::Position position(int x, int y, int card, bool reversed = false,
                               const QString &label = QStringLiteral("1"))
{
    ReportModel::Position position;
    position.place = QPoint(x, y);
    position.card = card;
    position.reversed = reversed;
    position.label = label;
    return position;
}

} // namespace

class TestReportPictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void spreadPictureSize_data();
    void spreadPictureSize();
    void tallSpreadPictureIsCapped();
    void cardPicturesAreTurnedWhenReversed();
    void miniaturesAndOutlinesCarryLabels();
    void missingPictureLeavesItsPositionOut();
    void unwritableFolderFails();
    void fullDiskSaysSo();

private:
    ReportModel model() const;

    std::unique_ptr<QTemporaryDir> m_appDir;
    QString m_temp;
};

void TestReportPictures::init()
{
    m_appDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appDir->isValid());
    const QDir dir(m_appDir->path());
    QVERIFY(dir.mkpath(QStringLiteral("Pics/%1").arg(QLatin1String(DeckName))));
    QVERIFY(dir.mkpath(QStringLiteral("Temp")));
    m_temp = dir.filePath(QStringLiteral("Temp"));
    for (int card : {3, 5})
        QVERIFY(markedCard().save(
            dir.filePath(QStringLiteral("Pics/%1/%2.jpg").arg(QLatin1String(DeckName)).arg(card)),
            "JPG", 100));
}

ReportModel TestReportPictures::model() const
{
    ReportModel model;
    model.roots = m_appDir->path();
    model.deckName = QLatin1String(DeckName);
    model.slotSize = QSize(87, 148);
    return model;
}

void TestReportPictures::spreadPictureSize_data()
{
    QTest::addColumn<QSize>("extent");
    QTest::addColumn<bool>("schematic");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("wide, miniatures") << QSize(800, 400) << false << QSize(480, 240);
    QTest::newRow("wide, outlines") << QSize(800, 400) << true << QSize(300, 150);
    // 533 * 480 / 480 is 533, more than 530: capped, and the width follows.
    QTest::newRow("just too tall") << QSize(480, 533) << false << QSize(477, 530);
    QTest::newRow("exactly base + 50 high") << QSize(480, 530) << false << QSize(480, 530);
    QTest::newRow("tall, miniatures") << QSize(100, 800) << false << QSize(66, 530);
    QTest::newRow("tall, outlines") << QSize(100, 800) << true << QSize(43, 350);
    // Fractions are dropped: 333 * 480 / 1000 = 159.84.
    QTest::newRow("fraction dropped") << QSize(1000, 333) << false << QSize(480, 159);
    // 148 * 480 / 100087 is below one: still a pixel high.
    QTest::newRow("very wide") << QSize(100087, 148) << false << QSize(480, 1);
    // 530 * 87 / 100148 is below one: still a pixel wide.
    QTest::newRow("very tall") << QSize(87, 100148) << false << QSize(1, 530);
}

void TestReportPictures::spreadPictureSize()
{
    QFETCH(QSize, extent);
    QFETCH(bool, schematic);
    QFETCH(QSize, expected);
    QCOMPARE(ReportPictures::spreadPictureSize(extent, schematic), expected);
}

void TestReportPictures::tallSpreadPictureIsCapped()
{
    // Three cards stacked far apart: the spread reaches 87 wide and 1148 high.
    ReportModel spread = model();
    spread.positions = {position(0, 0, 3), position(0, 500, 5), position(0, 1000, 3)};
    for (bool schematic : {false, true}) {
        spread.options.schematic = schematic;
        QVERIFY(ReportPictures::write(spread, m_temp));
        const QImage picture(QDir(m_temp).filePath(QStringLiteral("1000.png")));
        QCOMPARE(picture.height(), schematic ? 350 : 530);
        QCOMPARE(picture.width(), (schematic ? 350 : 530) * 87 / 1148);
    }
}

void TestReportPictures::cardPicturesAreTurnedWhenReversed()
{
    ReportModel spread = model();
    spread.positions = {position(0, 0, 3, false), position(100, 0, 5, true)};
    QVERIFY(ReportPictures::write(spread, m_temp));

    const QImage upright(QDir(m_temp).filePath(QStringLiteral("0.png")));
    const QImage turned(QDir(m_temp).filePath(QStringLiteral("1.png")));
    // Each card picture keeps the picture's own size.
    QCOMPARE(upright.size(), CardSize);
    QCOMPARE(turned.size(), CardSize);
    const QPoint topLeft(2, 2);
    const QPoint bottomRight(CardSize.width() - 3, CardSize.height() - 3);
    QVERIFY(isReddish(upright.pixelColor(topLeft)));
    QVERIFY(isBluish(upright.pixelColor(bottomRight)));
    QVERIFY(isBluish(turned.pixelColor(topLeft)));
    QVERIFY(isReddish(turned.pixelColor(bottomRight)));

    // The reversed card's miniature is turned too: its red corner lies bottom right.
    const QImage picture = ReportPictures::spreadPicture(spread);
    const int scale100 = 100 * picture.width(); // x of position 1 is 100 * W / 187
    const QPoint miniature(scale100 / 187, 0);
    const int cardWidth = 87 * picture.width() / 187;
    const int cardHeight = 148 * picture.width() / 187;
    QVERIFY(isBluish(picture.pixelColor(miniature + QPoint(cardWidth / 4, cardHeight / 4))));
    QVERIFY(
        isReddish(picture.pixelColor(miniature + QPoint(cardWidth * 3 / 4, cardHeight * 3 / 4))));
}

void TestReportPictures::miniaturesAndOutlinesCarryLabels()
{
    ReportModel spread = model();
    spread.positions = {position(0, 0, 3, false, QStringLiteral("S")),
                        position(200, 0, 5, true, QStringLiteral("1"))};
    // Extent 287 x 148; with miniatures W = 480, one table pixel is 480/287 picture pixels.
    const QImage miniatures = ReportPictures::spreadPicture(spread);
    QCOMPARE(miniatures.size(), QSize(480, 247));
    const int cardWidth = 87 * 480 / 287;
    const int secondX = 200 * 480 / 287;
    // Miniatures: the card fills its box; the label sits on a white box at its corner.
    QVERIFY(isBluish(miniatures.pixelColor(cardWidth / 2, 200)));
    QVERIFY(isWhite(miniatures.pixelColor(secondX - 3, 0)));
    QVERIFY(hasInk(miniatures, QRect(secondX - 2, 0, 10, 12)));
    QVERIFY(!hasBlue(miniatures, QRect(secondX, 0, 3, 3)));
    QVERIFY(hasBlue(miniatures, QRect(secondX, 20, 3, 3)));
    // Nothing is drawn between the two cards.
    QVERIFY(isWhite(miniatures.pixelColor((cardWidth + secondX) / 2, 100)));

    spread.options.schematic = true;
    const QImage outlines = ReportPictures::spreadPicture(spread);
    QCOMPARE(outlines.size(), QSize(300, 154));
    const int boxWidth = 87 * 300 / 287;
    const int boxHeight = 148 * 300 / 287;
    // Outlines: a black frame, white inside, the label in the top-left corner, and the
    // reversal not shown.
    QCOMPARE(outlines.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(outlines.pixelColor(boxWidth - 1, boxHeight - 1), QColor(Qt::black));
    QVERIFY(isWhite(outlines.pixelColor(boxWidth / 2, boxHeight / 2)));
    QVERIFY(hasInk(outlines, QRect(2, 2, 10, 14)));
    QVERIFY(!hasInk(outlines, QRect(boxWidth / 2, boxHeight / 2, 10, 10)));
}

void TestReportPictures::missingPictureLeavesItsPositionOut()
{
    ReportModel spread = model();
    // Card 4 has no picture, card 5's picture is damaged.
    QFile damaged(QDir(m_appDir->path())
                      .filePath(QStringLiteral("Pics/%1/5.jpg").arg(QLatin1String(DeckName))));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    spread.positions = {position(0, 0, 3), position(200, 0, 4), position(400, 0, 5)};
    QVERIFY(ReportPictures::write(spread, m_temp));
    const QDir temp(m_temp);
    QVERIFY(temp.exists(QStringLiteral("0.png")));
    QVERIFY(!temp.exists(QStringLiteral("1.png")));
    QVERIFY(!temp.exists(QStringLiteral("2.png")));
    const QImage picture(temp.filePath(QStringLiteral("1000.png")));
    QCOMPARE(picture.width(), 480);
    const int cardWidth = 87 * 480 / 487;
    QVERIFY(isBluish(picture.pixelColor(cardWidth / 2, cardWidth)));
    // Where the two other cards would lie, and their labels, all is white.
    QVERIFY(!hasInk(picture, QRect(200 * 480 / 487 - 3, 0, cardWidth, picture.height())));
    QVERIFY(!hasInk(picture, QRect(400 * 480 / 487 - 3, 0, cardWidth, picture.height())));
}

void TestReportPictures::unwritableFolderFails()
{
    ReportModel spread = model();
    spread.positions = {position(0, 0, 3)};
    const QString missing = QDir(m_appDir->path()).filePath(QStringLiteral("NoTemp"));
    QString error;
    QVERIFY(!ReportPictures::write(spread, missing, &error));
    QVERIFY2(error.contains(QStringLiteral("1000.png")), qPrintable(error));
}

void TestReportPictures::fullDiskSaysSo()
{
    // A spread picture that does not fit names the file and the full disk.
    TinyDisk disk;
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    QVERIFY(disk.fill());
    ReportModel spread = model();
    spread.positions = {position(0, 0, 3)};
    QString error;
    QVERIFY(!ReportPictures::write(spread, disk.filePath(QString()), &error));
    QVERIFY2(error.contains(QStringLiteral("1000.png: ") +
                            QString::fromLocal8Bit(std::strerror(ENOSPC))),
             qPrintable(error));
}

QTEST_MAIN(TestReportPictures)
#include "test_ReportPictures.moc"
