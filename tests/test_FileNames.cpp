// Checks taking the folder off a path and making a date fit for a file name.
#include "core/util/FileNames.h"

#include <QtTest>

class TestFileNames : public QObject
{
    Q_OBJECT

private slots:
    void extractDir_data();
    void extractDir();
    void dotsForSlashes_data();
    void dotsForSlashes();
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

QTEST_GUILESS_MAIN(TestFileNames)
#include "test_FileNames.moc"
