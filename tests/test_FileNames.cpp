// Checks taking the folder off a path and making a date fit for a file name.
#include "core/util/FileNames.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TestFileNames : public QObject
{
    Q_OBJECT

private slots:
    void extractDir_data();
    void extractDir();
    void dotsForSlashes_data();
    void dotsForSlashes();
    void namesThatAreNoUtf8AreReached();
};

void TestFileNames::extractDir_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("dir");
    QTest::newRow("nested") << "/a/b/quillmoor"
                            << "/a/b";
    QTest::newRow("bare name") << "quillmoor"
                               << "quillmoor";
    QTest::newRow("root") << "/"
                          << "";
    QTest::newRow("trailing slash") << "/opt/app/"
                                    << "/opt/app";
}

void TestFileNames::extractDir()
{
    QFETCH(QString, path);
    QFETCH(QString, dir);
    QCOMPARE(FileNames::folderOf(path), dir);
}

void TestFileNames::dotsForSlashes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("slashes") << QByteArray("12/31/2005") << QByteArray("12.31.2005");
    QTest::newRow("backslashes") << QByteArray("31\\12\\05") << QByteArray("31.12.05");
    QTest::newRow("mixed") << QByteArray("a/b\\c") << QByteArray("a.b.c");
    QTest::newRow("none") << QByteArray("31-12-2005") << QByteArray("31-12-2005");
}

void TestFileNames::dotsForSlashes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(FileNames::dotsForSlashes(text), expected);
}

void TestFileNames::namesThatAreNoUtf8AreReached()
{
    // A file named by bytes that are no UTF-8 is reached, under its decoded
    // name, through a link; a name Qt can encode again is taken as it is.
    QTemporaryDir dir;
    const QByteArray raw = QFile::encodeName(dir.path()) + "/\xff\xfe.reading";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0 && ::write(fd, "saved", 5) == 5 && ::close(fd) == 0);
    QVERIFY(!QFile::exists(QFile::decodeName(raw)));
    const QString path = FileNames::reachablePath(raw, dir.filePath(QStringLiteral("Temp")));
    QVERIFY(path.endsWith(QStringLiteral(".reading")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("saved"));
    const QString plain = dir.filePath(QStringLiteral("plain é.reading"));
    QCOMPARE(FileNames::reachablePath(QFile::encodeName(plain), dir.path()), plain);
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "test_FileNames.moc"
