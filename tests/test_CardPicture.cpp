// Checks that card pictures are found in the deck folder, that a reversed
// card is turned by 180 degrees, not mirrored, that pictures too large to
// decode whole are decoded scaled, and that a missing or damaged picture shows
// a face with the card's title.
#include "core/cards/CardFaceCache.h"
#include "core/cards/CardPicture.h"
#include "core/cards/JpegDecoder.h"

#include "NonRegularFiles.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TestCardPicture : public QObject
{
    Q_OBJECT

private slots:
    void turnedMovesTopLeftToBottomRight();
    void loadsFromDeckFolder();
    void largePictureIsDecodedScaled();
    void decoderScalesAsQtReaderDoes_data();
    void decoderScalesAsQtReaderDoes();
    void cutPictureCountsAsDamaged();
    void missingPictureShowsItsTitle();
    void specialFileIsRefusedAndReportedOnce_data();
    void specialFileIsRefusedAndReportedOnce();

private:
    static QImage markedPicture(const QSize &size);
};

// White with a black square in the top left corner.
QImage TestCardPicture::markedPicture(const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, size.width() / 4, size.height() / 4, Qt::black);
    return picture;
}

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
    QCOMPARE(CardPicture::pictureSize(dir.path(), QStringLiteral("Test"), 7), QSize(40, 60));

    // Decoded straight at the size it is shown, and turned there.
    const QImage small = CardPicture::load(dir.path(), QStringLiteral("Test"), 7, true, {20, 30});
    QCOMPARE(small.size(), QSize(20, 30));
    QVERIFY(small.pixelColor(18, 28).lightness() < 60);
    QVERIFY(small.pixelColor(1, 1).lightness() > 200);

    // A picture with a palette (one on which Qt's smooth scaling crashes)
    // comes in full colour, and scales as any other.
    const QString palette = CardPicture::path(dir.path(), QStringLiteral("Test"), 5);
    QVERIFY(QFile::copy(
        QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Langs/English/help/comments@2x.png"), palette));
    const QImage full = CardPicture::load(dir.path(), QStringLiteral("Test"), 5, false);
    QCOMPARE(full.colorCount(), 0);
    QCOMPARE(full.scaled(87, 148, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).size(),
             QSize(87, 148));

    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 8, false).isNull());
    QVERIFY(!CardPicture::pictureSize(dir.path(), QStringLiteral("Test"), 8).isValid());
    QFile damaged(CardPicture::path(dir.path(), QStringLiteral("Test"), 9));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 9, true).isNull());
}

void TestCardPicture::largePictureIsDecodedScaled()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pics/Test")));
    QVERIFY(markedPicture(QSize(1200, 800))
                .save(CardPicture::path(dir.path(), QStringLiteral("Test"), 3), "JPG"));
    // Whole, the picture needs about 4 MB; allow 1 MB.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    const QImage picture = CardPicture::load(dir.path(), QStringLiteral("Test"), 3, false);
    QImageReader::setAllocationLimit(limit);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.sizeInBytes() <= 1024 * 1024);
    QVERIFY(picture.width() >= 300);
    QCOMPARE(picture.width() * 2 / picture.height(), 3);
    QVERIFY(picture.pixelColor(5, 5).lightness() < 40);
    QVERIFY(picture.pixelColor(picture.width() - 5, picture.height() - 5).lightness() > 215);
}

void TestCardPicture::decoderScalesAsQtReaderDoes_data()
{
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("eighths");
    // A 400 x 600 picture; the scale the decoder picks for each size.
    QTest::newRow("an eighth") << false << QSize(50, 75) << 1;
    QTest::newRow("just above an eighth") << false << QSize(51, 60) << 2;
    QTest::newRow("position on the table") << false << QSize(87, 148) << 2;
    QTest::newRow("just above a half") << false << QSize(201, 290) << 8;
    QTest::newRow("own size") << false << QSize(400, 600) << 8;
    QTest::newRow("larger than its own") << false << QSize(500, 700) << 8;
    QTest::newRow("grey picture, a quarter") << true << QSize(100, 150) << 2;
}

// What the decoder gives, at any size, is what Qt's reader gives for the
// whole picture scaled smoothly to that size.
void TestCardPicture::decoderScalesAsQtReaderDoes()
{
    QFETCH(bool, grey);
    QFETCH(QSize, size);
    QFETCH(int, eighths);
    QCOMPARE(JpegDecoder::scaleEighths({400, 600}, size), eighths);
    QImage drawn(400, 600, QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            drawn.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 600, (x / 40 + y / 40) % 2 * 200));
    }
    if (grey)
        drawn = drawn.convertToFormat(QImage::Format_Grayscale8);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(drawn.save(&buffer, "JPG", 90));
    QVERIFY(JpegDecoder::isJpeg(bytes));

    const QImage decoded = JpegDecoder::decode(bytes, size, 4096 * 4096);
    QCOMPARE(decoded.size(), size);
    QCOMPARE(decoded.isGrayscale(), grey);
    const QImage expected =
        QImage::fromData(bytes).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage a = decoded.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            difference +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    // On average within a few levels of 255 in each colour.
    QVERIFY2(difference < qint64(size.width()) * size.height() * 3 * 4,
             qPrintable(QString::number(double(difference) / (size.width() * size.height() * 3))));
    // A header cut short, or a size past the pixel budget, gives no picture.
    QVERIFY(JpegDecoder::decode(bytes.left(20), size, 4096 * 4096).isNull());
    QVERIFY(JpegDecoder::decode(bytes, size, size.width() * size.height() - 1).isNull());
}

void TestCardPicture::cutPictureCountsAsDamaged()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pics/Test")));
    const QString path = CardPicture::path(dir.path(), QStringLiteral("Test"), 4);
    QImage noise(200, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x + y * 53) % 256));
    }
    QVERIFY(noise.save(path, "JPG", 95));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.size() > 4096);
    QVERIFY(file.resize(file.size() / 2));
    file.close();
    // Decoded, the lower half would be grey; the picture is damaged instead.
    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 4, false).isNull());
}

void TestCardPicture::missingPictureShowsItsTitle()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Pics/Test")));
    QVERIFY(markedPicture(QSize(40, 60))
                .save(CardPicture::path(dir.path(), QStringLiteral("Test"), 1), "JPG", 100));
    CardFaceCache faces(dir.path());
    faces.setTitles([](int number) {
        return QStringList{QStringLiteral("The Fool"), QStringLiteral("The Magician"),
                           QStringLiteral("The High Priestess")}
            .value(number);
    });
    const QSize size(100, 150);

    const QImage missing = faces.face(QStringLiteral("Test"), 2, false, size);
    QCOMPARE(missing.size(), size);
    // The title is drawn: another title gives another face.
    CardFaceCache otherTitles(dir.path());
    otherTitles.setTitles(
        [](int number) { return number == 2 ? QStringLiteral("Death") : QString(); });
    QVERIFY(otherTitles.face(QStringLiteral("Test"), 2, false, size) != missing);
    // Not a blank face and not a back: it has light and dark pixels.
    int dark = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            dark += missing.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    }
    QVERIFY(dark > 20);
    QVERIFY(dark < size.width() * size.height() / 2);
    QCOMPARE(faces.face(QStringLiteral("Test"), 2, true, size), CardPicture::turned(missing));
    // Shown at its own size, the face still has one.
    QVERIFY(!faces.face(QStringLiteral("Test"), 2, false).isNull());

    // A damaged picture is shown the same way; a sound one is itself.
    QFile damaged(CardPicture::path(dir.path(), QStringLiteral("Test"), 0));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a picture");
    damaged.close();
    QCOMPARE(faces.face(QStringLiteral("Test"), 0, false, size).size(), size);
    QVERIFY(faces.face(QStringLiteral("Test"), 0, false, size) !=
            faces.face(QStringLiteral("Test"), 2, false, size));
    const QImage sound = faces.face(QStringLiteral("Test"), 1, false, QSize(40, 60));
    QVERIFY(sound.pixelColor(2, 2).lightness() < 40);
    QVERIFY(sound.pixelColor(37, 57).lightness() > 215);
}

void TestCardPicture::specialFileIsRefusedAndReportedOnce_data()
{
    NonRegularFiles::addRows();
}

void TestCardPicture::specialFileIsRefusedAndReportedOnce()
{
    // A pipe or a device as a card picture would block the drawing or fill
    // memory: the card gets the drawn face at once and the file is reported
    // once, by name, however often the card is drawn.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = CardPicture::path(dir.path(), QStringLiteral("Test"), 3);
    QVERIFY(NonRegularFiles::make(path, kind));
    CardFaceCache faces(dir.path());
    QStringList faults;
    faces.setFaultReport([&faults](const QString &fault) { faults << fault; });
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(faces.naturalSize(QStringLiteral("Test"), 3), CardPicture::PlaceholderSize);
    for (const QSize &size : {QSize(100, 150), QSize(50, 75)})
        QCOMPARE(faces.face(QStringLiteral("Test"), 3, false, size).size(), size);
    QVERIFY(CardPicture::load(dir.path(), QStringLiteral("Test"), 3, false).isNull());
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QCOMPARE(faults.size(), 1);
    QVERIFY2(faults.first().startsWith(path + QStringLiteral(": It is not a regular file")),
             qPrintable(faults.first()));
}

QTEST_MAIN(TestCardPicture)
#include "test_CardPicture.moc"
