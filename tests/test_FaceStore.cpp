// Checks that faces kept on disk are shown again only while their picture
// file is unchanged, that a damaged stored face is decoded anew rather than
// shown, that the store stays within its capacity and writes only the last
// size of a resize, and that a store that cannot be written costs nothing
// but the speed.
#include "core/cards/CardFaceCache.h"
#include "core/cards/CardPicture.h"
#include "core/cards/FaceStore.h"

#include "TinyDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestFaceStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void storedFaceIsShownWhileThePictureIsUnchanged_data();
    void storedFaceIsShownWhileThePictureIsUnchanged();
    void damagedEntryIsDecodedAgain_data();
    void damagedEntryIsDecodedAgain();
    void storeStaysWithinCapacity();
    void resizeStepsStoreTheLastSizeOnly();
    void unwritableStoreStillShowsFaces_data();
    void unwritableStoreStillShowsFaces();

private:
    QString picturePath() const { return CardPicture::path(m_deckDir.path(), Deck, 1); }
    QImage shownFace(FaceStore &store, bool reversed = false);

    static constexpr char Deck[] = "Marked";
    static constexpr QSize Shown{60, 90};
    QTemporaryDir m_deckDir;
    QTemporaryDir m_storeDir;
};

void TestFaceStore::init()
{
    QVERIFY(m_deckDir.isValid() && m_storeDir.isValid());
    QDir(m_storeDir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_storeDir.path()));
    QVERIFY(QDir().mkpath(QFileInfo(picturePath()).path()));
    // A black square in the top left corner tells upright from turned.
    QImage picture(300, 450, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    QVERIFY(picture.save(picturePath(), "JPEG", 95));
}

// The face a new session shows: nothing in memory yet.
QImage TestFaceStore::shownFace(FaceStore &store, bool reversed)
{
    CardFaceCache faces(m_deckDir.path());
    faces.setStore(&store);
    const QImage face = faces.face(QString::fromLatin1(Deck), 1, reversed, Shown);
    store.waitForWrites();
    return face;
}

void TestFaceStore::storedFaceIsShownWhileThePictureIsUnchanged_data()
{
    QTest::addColumn<bool>("dealtFaceDown");
    QTest::addColumn<bool>("reversedFirst");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<qint64>("bytesAdded");
    QTest::addColumn<int>("secondsLater");
    QTest::addColumn<bool>("storedFaceShown");
    QTest::newRow("unchanged") << false << false << false << qint64(0) << 0 << true;
    QTest::newRow("unchanged, reversed card") << false << true << true << qint64(0) << 0 << true;
    QTest::newRow("kept reversed, shown upright")
        << false << true << false << qint64(0) << 0 << true;
    QTest::newRow("dealt face down, unchanged") << true << false << true << qint64(0) << 0 << true;
    QTest::newRow("written again later") << false << false << false << qint64(0) << 2 << false;
    QTest::newRow("dealt, written again later")
        << true << false << false << qint64(0) << 2 << false;
    QTest::newRow("other size, same time") << false << false << false << qint64(1) << 0 << false;
}

// The picture file is overwritten with zeros, which no decoder reads: a face
// that still looks like the picture can only have come from the store.
void TestFaceStore::storedFaceIsShownWhileThePictureIsUnchanged()
{
    QFETCH(bool, dealtFaceDown);
    QFETCH(bool, reversedFirst);
    QFETCH(bool, reversed);
    QFETCH(qint64, bytesAdded);
    QFETCH(int, secondsLater);
    QFETCH(bool, storedFaceShown);
    FaceStore store(m_storeDir.path());
    const QString deck = QString::fromLatin1(Deck);
    const QImage decoded = CardPicture::load(m_deckDir.path(), deck, 1, reversed, Shown);
    QCOMPARE(decoded.size(), Shown);
    if (dealtFaceDown) {
        CardFaceCache faces(m_deckDir.path());
        faces.setStore(&store);
        faces.prepare(deck, 1, Shown);
        store.waitForWrites();
    } else {
        QCOMPARE(shownFace(store, reversedFirst),
                 CardPicture::load(m_deckDir.path(), deck, 1, reversedFirst, Shown));
    }
    QVERIFY(QFile::exists(store.entryPath(picturePath(), Shown)));

    QFile picture(picturePath());
    const QDateTime modified = QFileInfo(picture).lastModified();
    const qint64 bytes = picture.size();
    QVERIFY(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(picture.write(QByteArray(bytes + bytesAdded, '\0')), bytes + bytesAdded);
    QVERIFY(picture.flush());
    QVERIFY(picture.setFileTime(modified.addSecs(secondsLater), QFileDevice::FileModificationTime));
    picture.close();

    const QImage shown = shownFace(store, reversed);
    QCOMPARE(shown == decoded, storedFaceShown);
    // Dark in the corner the square is turned to, light in the other.
    const QPoint dark = reversed ? QPoint(Shown.width() - 3, Shown.height() - 3) : QPoint(2, 2);
    if (storedFaceShown)
        QVERIFY(qGray(shown.pixel(dark)) < 60);
}

void TestFaceStore::damagedEntryIsDecodedAgain_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<qint64>("cutTo");
    QTest::addColumn<bool>("pipe");
    // The header: magic (8), byte order (4), format (4), the picture's size
    // (8) and time (8), width and height (4 each), bytes per line (4), flags (4).
    QTest::newRow("empty") << qint64(0) << QByteArray() << qint64(0) << false;
    QTest::newRow("cut in the header") << qint64(0) << QByteArray() << qint64(20) << false;
    QTest::newRow("cut in the pixels") << qint64(0) << QByteArray() << qint64(500) << false;
    QTest::newRow("other magic") << qint64(0) << QByteArray("PNG") << qint64(-1) << false;
    QTest::newRow("unknown format") << qint64(12) << QByteArray("\x7f", 1) << qint64(-1) << false;
    QTest::newRow("other width") << qint64(32) << QByteArray("\x10", 1) << qint64(-1) << false;
    QTest::newRow("other bytes per line")
        << qint64(40) << QByteArray("\x08", 1) << qint64(-1) << false;
    QTest::newRow("one byte too many") << qint64(-1) << QByteArray("x") << qint64(-1) << false;
    QTest::newRow("a pipe in its place") << qint64(0) << QByteArray() << qint64(-1) << true;
}

void TestFaceStore::damagedEntryIsDecodedAgain()
{
    QFETCH(qint64, offset);
    QFETCH(QByteArray, written);
    QFETCH(qint64, cutTo);
    QFETCH(bool, pipe);
    FaceStore store(m_storeDir.path());
    const QImage decoded = shownFace(store);
    QFile entry(store.entryPath(picturePath(), Shown));
    if (pipe) {
        QVERIFY(entry.remove());
        QCOMPARE(mkfifo(QFile::encodeName(entry.fileName()).constData(), 0600), 0);
    } else {
        QVERIFY(entry.open(QIODevice::ReadWrite));
        QVERIFY(entry.seek(offset < 0 ? entry.size() : offset));
        QCOMPARE(entry.write(written), written.size());
        if (cutTo >= 0)
            QVERIFY(entry.resize(cutTo));
        entry.close();
    }

    const FaceStore::Source source = FaceStore::Source::of(picturePath());
    QVERIFY(store.find(source, Shown).isNull());
    QCOMPARE(shownFace(store), decoded);
    // Stored again whole.
    QCOMPARE(store.find(source, Shown), decoded);
}

void TestFaceStore::storeStaysWithinCapacity()
{
    // Faces of eight shapes, each its own entry; room for three of the largest.
    const auto sizeOf = [](int shown) { return QSize(60 + 20 * shown, 90); };
    const qint64 capacity = 3 * (48 + sizeOf(7).width() * 90 * 4);
    FaceStore store(m_storeDir.path(), capacity);
    const FaceStore::Source source = FaceStore::Source::of(picturePath());
    for (int shown = 0; shown < 8; ++shown) {
        QImage face(sizeOf(shown), QImage::Format_RGB32);
        face.fill(QColor(shown * 30, 0, 0));
        store.keep(source, face);
        store.waitForWrites();
    }
    qint64 used = 0;
    const QFileInfoList entries = QDir(m_storeDir.path()).entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries)
        used += entry.size();
    QVERIFY2(used <= capacity, qPrintable(QString::number(used)));
    QVERIFY(entries.size() >= 1 && entries.size() < 8);
    QCOMPARE(store.find(source, sizeOf(7)).pixel(0, 0), qRgb(7 * 30, 0, 0));
}

// While a window is resized each step asks for the faces at a new size.
void TestFaceStore::resizeStepsStoreTheLastSizeOnly()
{
    const FaceStore::Source source = FaceStore::Source::of(picturePath());
    const QList<QSize> steps{{60, 90}, {64, 96}, {68, 102}, {72, 108}};
    const auto keepSteps = [&](FaceStore &store) {
        for (const QSize &step : steps) {
            QImage face(step, QImage::Format_RGB32);
            face.fill(Qt::red);
            store.keep(source, face);
        }
    };
    QElapsedTimer closing;
    {
        FaceStore store(m_storeDir.path());
        keepSteps(store);
        closing.start();
    }
    // Closed before the sizes settled: nothing written, and no waiting.
    QVERIFY(closing.elapsed() < FaceStore::SettleMs);
    QVERIFY(QDir(m_storeDir.path()).isEmpty());

    FaceStore store(m_storeDir.path());
    keepSteps(store);
    store.waitForWrites();
    QCOMPARE(QDir(m_storeDir.path()).entryList(QDir::Files).size(), 1);
    QVERIFY(!store.find(source, steps.last()).isNull());
}

void TestFaceStore::unwritableStoreStillShowsFaces_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("store folder is a file") << false;
    QTest::newRow("disk full") << true;
}

void TestFaceStore::unwritableStoreStillShowsFaces()
{
    QFETCH(bool, fullDisk);
    TinyDisk disk;
    QString folder = m_storeDir.filePath(QStringLiteral("taken"));
    if (fullDisk) {
        if (!disk.mounted())
            QSKIP("mounting a tmpfs needs root");
        QVERIFY(disk.fill(1024));
        folder = disk.filePath(QString());
    } else {
        QFile taken(folder);
        QVERIFY(taken.open(QIODevice::WriteOnly));
    }
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    FaceStore store(folder);
    const QImage face = shownFace(store);
    QCOMPARE(face.size(), Shown);
    QVERIFY(qGray(face.pixel(2, 2)) < 60);
    QVERIFY(store.find(FaceStore::Source::of(picturePath()), Shown).isNull());
    // No half-written face left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
}

QTEST_GUILESS_MAIN(TestFaceStore)
#include "test_FaceStore.moc"
