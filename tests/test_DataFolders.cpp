// Checks which spread files the program offers: every file whose extension
// reads ".spread" in any letter case is listed and opens, and a file whose
// name cannot be decoded is reported instead of dropped.
#include "core/data/DataFolders.h"
#include "core/spreads/Spread.h"
#include "core/spreads/SpreadList.h"
#include "core/util/RandomGenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

#include <dirent.h>

class TestDataFolders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void extensionInAnyCaseIsListedAndOpens();
    void undecodableNamesAreReported();
    void russianFrontSpreadNamesOnDisk();

private:
    QString spreadsDir() const { return m_dir->filePath(QStringLiteral("Spreads")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDataFolders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Spreads")));
}

// Files whose names are not UTF-8 are beyond QDir, so the temporary folder
// could not go: they are removed by their bytes.
void TestDataFolders::cleanup()
{
    const QByteArray folder = QFile::encodeName(spreadsDir());
    if (DIR *dir = opendir(folder.constData())) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_type == DT_REG)
                std::remove((folder + '/' + entry->d_name).constData());
        }
        closedir(dir);
    }
    m_dir.reset();
}

void TestDataFolders::extensionInAnyCaseIsListedAndOpens()
{
    Spread spread;
    spread.positions.resize(2);
    RandomGenerator random;
    for (const QString &file : {QStringLiteral("Loud.SPREAD"), QStringLiteral("Mixed.Spread"),
                                QStringLiteral("quiet.spread")})
        QVERIFY(spread.save(QDir(spreadsDir()).filePath(file), random));
    QVERIFY(
        QFile(QDir(spreadsDir()).filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly));

    QStringList names = DataFolders::spreadNames(m_dir->path());
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Loud"), QStringLiteral("Mixed"),
                                 QStringLiteral("quiet")}));
    for (const QString &name : names) {
        Spread loaded;
        QCOMPARE(loaded.load(Spread::filePath(m_dir->path(), name)), Spread::LoadResult::Loaded);
        QCOMPARE(loaded.positionCount(), 2);
    }
    // A name that is not there still gives the path a new spread is saved to.
    QCOMPARE(Spread::filePath(m_dir->path(), QStringLiteral("New")),
             m_dir->path() + QStringLiteral("/Spreads/New.spread"));
    QVERIFY(DataFolders::unusableSpreadFiles(m_dir->path()).isEmpty());
}

void TestDataFolders::undecodableNamesAreReported()
{
    const QByteArray folder = QFile::encodeName(spreadsDir());
    for (const QByteArray &name : {QByteArray("Caf\xe9.spread"), QByteArray("\xff\xfe.SPREAD"),
                                   QByteArray("Note\xe9.txt")}) {
        std::FILE *file = std::fopen((folder + '/' + name).constData(), "w");
        QVERIFY(file);
        std::fclose(file);
    }
    QVERIFY(DataFolders::spreadNames(m_dir->path()).isEmpty());
    QStringList unusable = DataFolders::unusableSpreadFiles(m_dir->path());
    unusable.sort();
    QCOMPARE(unusable,
             (QStringList{QStringLiteral("Caf\\xE9.spread"), QStringLiteral("\\xFF\\xFE.SPREAD")}));
}

void TestDataFolders::russianFrontSpreadNamesOnDisk()
{
    // "Вопрос" in UTF-8 and "Отношения" in the Windows-1251 code page.
    const QByteArray folder = QFile::encodeName(spreadsDir());
    const QByteArray codePageName("\xce\xf2\xed\xee\xf8\xe5\xed\xe8\xff.spread");
    for (const QByteArray &name :
         {QByteArray("Alpha.spread"), QStringLiteral("Вопрос.spread").toUtf8(), codePageName}) {
        std::FILE *file = std::fopen((folder + '/' + name).constData(), "w");
        QVERIFY(file);
        std::fclose(file);
    }
    QStringList names = DataFolders::spreadNames(m_dir->path());
    const QStringList unusable = DataFolders::unusableSpreadFiles(m_dir->path());
    // The temporary folder cannot remove a name it cannot decode.
    std::remove((folder + '/' + codePageName).constData());
    SpreadList::arrange(names);
    QCOMPARE(names, (QStringList{QStringLiteral("Вопрос"), QStringLiteral("Alpha")}));
    // A name in the code page is not passed over in silence.
    QCOMPARE(unusable,
             QStringList{QStringLiteral("\\xCE\\xF2\\xED\\xEE\\xF8\\xE5\\xED\\xE8\\xFF.spread")});
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "test_DataFolders.moc"
