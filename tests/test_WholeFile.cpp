// Checks that whole files are read in 2048-byte blocks cut at a zero byte,
// and that a write replaces a file only when it succeeds, also on a full disk.
#include "core/util/WholeFile.h"

#include "TinyDisk.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsBlocksCutAtZero_data();
    void readsBlocksCutAtZero();
    void missingFileFails();
    void writeRoundTripsEveryByte();
    void failedWriteKeepsOldFile();
    void fullDiskFailsAndKeepsOldFile_data();
    void fullDiskFailsAndKeepsOldFile();
    void producerFailureKeepsOldFile();
    void onlyThisRoutineCommitsFiles();

private:
    QString writeRaw(const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWholeFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestWholeFile::writeRaw(const QByteArray &bytes)
{
    const QString path = m_dir->filePath(QStringLiteral("file.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

void TestWholeFile::readsBlocksCutAtZero_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    const QByteArray exact(2048, 'x');
    QTest::newRow("exactly one block") << exact << exact;
    const QByteArray longer = QByteArray(2048, 'a') + QByteArray(5, 'b');
    QTest::newRow("block and a bit") << longer << longer;

    QByteArray first(2048, 'a');
    first[10] = '\0';
    const QByteArray second(300, 'b');
    QTest::newRow("zero mid first block") << first + second << QByteArray(10, 'a') + second;

    QByteArray tail = QByteArray(2048, 'c') + QByteArray("de\0fg", 5);
    QTest::newRow("zero in last block") << tail << QByteArray(2048, 'c') + "de";
    QTest::newRow("zero first") << QByteArray("\0ab", 3) << QByteArray();
}

void TestWholeFile::readsBlocksCutAtZero()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    const QString path = writeRaw(content);
    QVERIFY(!path.isEmpty());
    QByteArray text("stale");
    QVERIFY(WholeFile::read(path, text));
    QCOMPARE(text, expected);
}

void TestWholeFile::missingFileFails()
{
    QByteArray text;
    QString error;
    QVERIFY(!WholeFile::read(m_dir->filePath(QStringLiteral("none")), text, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(text.isEmpty());
}

void TestWholeFile::writeRoundTripsEveryByte()
{
    QByteArray bytes;
    for (int i = 0; i < 5000; ++i)
        bytes.append(char(1 + i % 255)); // no zero byte, so reading gives all back
    const QString path = m_dir->filePath(QStringLiteral("out.bin"));
    QVERIFY(WholeFile::write(path, bytes));
    QByteArray text;
    QVERIFY(WholeFile::read(path, text));
    QCOMPARE(text, bytes);
    QVERIFY(WholeFile::write(path, "short"));
    QVERIFY(WholeFile::read(path, text));
    QCOMPARE(text, QByteArray("short"));
}

void TestWholeFile::failedWriteKeepsOldFile()
{
    // A name so long that no temporary file can be made beside it: the write
    // must fail and leave the existing file as it was, even for root.
    const QString path = m_dir->filePath(QString(250, QLatin1Char('n')));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    QString error;
    QVERIFY(!WholeFile::write(path, "replacement", &error));
    QVERIFY(!error.isEmpty());
    QByteArray text;
    QVERIFY(WholeFile::read(path, text));
    QCOMPARE(text, QByteArray("precious"));
}

void TestWholeFile::fullDiskFailsAndKeepsOldFile_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<int>("size");

    // A few bytes stay in the file's buffer until commit; many go out at once.
    QTest::newRow("new file, small") << false << 100;
    QTest::newRow("new file, large") << false << 200 * 1024;
    QTest::newRow("overwrite, small") << true << 100;
    QTest::newRow("overwrite, large") << true << 200 * 1024;
}

void TestWholeFile::fullDiskFailsAndKeepsOldFile()
{
    QFETCH(bool, overwrite);
    QFETCH(int, size);
    TinyDisk disk;
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    const QString path = disk.filePath(QStringLiteral("reading.sav"));
    if (overwrite)
        QVERIFY(WholeFile::write(path, "precious"));
    QVERIFY(disk.fill());

    QString error;
    QVERIFY(!WholeFile::write(path, QByteArray(size, 'r'), &error));
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    if (overwrite) {
        QByteArray text;
        QVERIFY(WholeFile::read(path, text));
        QCOMPARE(text, QByteArray("precious"));
    } else {
        QVERIFY(!QFileInfo::exists(path));
    }
    // No temporary file is left behind to take up the space.
    const QStringList left = QDir(disk.filePath(QString())).entryList(QDir::Files);
    QCOMPARE(left.size(), overwrite ? 2 : 1);
}

void TestWholeFile::producerFailureKeepsOldFile()
{
    // A writer that gives up part way replaces nothing and its reason is passed on.
    const QString path = m_dir->filePath(QStringLiteral("out.bin"));
    QVERIFY(WholeFile::write(path, "precious"));
    QString error;
    const auto halfDone = [](QIODevice &device, QString *reason) {
        device.write("half");
        *reason = QStringLiteral("no more pictures");
        return false;
    };
    QVERIFY(!WholeFile::write(path, halfDone, &error));
    QCOMPARE(error, QStringLiteral("no more pictures"));
    QByteArray text;
    QVERIFY(WholeFile::read(path, text));
    QCOMPARE(text, QByteArray("precious"));
}

void TestWholeFile::onlyThisRoutineCommitsFiles()
{
    // A QSaveFile committed anywhere else could skip the flush-and-check that
    // keeps a full disk from leaving a cut-short file in the old one's place.
    const QDir root(QStringLiteral(QUILLMOOR_SOURCE_DIR));
    const QString allowed = root.filePath(QStringLiteral("src/core/util/WholeFile.cpp"));
    QStringList offenders;
    int scanned = 0;
    for (const char *folder : {"src", "tools"}) {
        QDirIterator files(root.filePath(QLatin1String(folder)), {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++scanned;
            if (path != allowed && file.readAll().contains("QSaveFile"))
                offenders << root.relativeFilePath(path);
        }
    }
    QVERIFY2(scanned > 100, "the sources were found");
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "test_WholeFile.moc"
