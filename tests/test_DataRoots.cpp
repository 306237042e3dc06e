// Checks where the program reads and writes its data: in its own folder
// (portable), or, installed, in the user's folders, which reads look at
// before the installed data.
#include "SpreadBuilder.h"
#include "TestFiles.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/MeaningText.h"
#include "core/data/DataFolders.h"
#include "core/data/DataRoots.h"
#include "core/spreads/SpreadImport.h"
#include "core/util/RandomGenerator.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDataRoots : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void installedMarkerDecidesTheLayout();
    void installedProgramFolderIsNeverWritten();
    void writableProgramFolderStaysPortable();
    void readsPreferTheUsersFiles();
    void editedMeaningGoesToTheUsersFolder();
    void musicAndAssociationsLookInBothRoots();
    void dataFolderIsFoundBesideOrBelowTheExecutable();
    void spreadFileFromOutsideJoinsTheUsersSpreads();

private:
    QString bundled(const QString &relative = QString()) const
    {
        return m_bundled->filePath(relative);
    }
    // The bundled folder as the install rules leave it: with its marker.
    DataRoots installed() const
    {
        if (!writeFile(bundled(QLatin1String(DataRoots::InstalledMarker)), "installed\n"))
            qFatal("The installed marker could not be written");
        return DataRoots::forDataFolder(bundled());
    }
    [[nodiscard]] static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        return writeTestFile(path, bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QByteArray bytes;
        WholeFile::read(path, bytes);
        return bytes;
    }
    [[nodiscard]] bool saveSpread(const QString &path, int positions)
    {
        return QDir().mkpath(QFileInfo(path).absolutePath()) &&
               spreadWith(positions, 0).save(path, m_random);
    }

    std::unique_ptr<QTemporaryDir> m_bundled;
    std::unique_ptr<QTemporaryDir> m_home;
    QString m_userDir;
    RandomGenerator m_random;
};

void TestDataRoots::init()
{
    m_bundled = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_bundled->isValid() && m_home->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("cache"))));
    m_userDir = m_home->filePath(QStringLiteral("data/Orvandel/Quillmoor"));
}

void TestDataRoots::installedMarkerDecidesTheLayout()
{
    // A folder that can be written (as every folder can for root) is still
    // the installed one when it carries the marker.
    QVERIFY(writeFile(bundled(QStringLiteral("Langs/English/List.lng")), "texts"));
    QVERIFY(DataRoots::forDataFolder(bundled()).isPortable());
    const DataRoots roots = installed();
    QVERIFY(!roots.isPortable());
    QCOMPARE(roots.userDir(), m_userDir);
}

void TestDataRoots::installedProgramFolderIsNeverWritten()
{
    QVERIFY(writeFile(bundled(QStringLiteral("Pics/Ardenvale/0.jpg")), "picture"));
    const DataRoots roots = installed();
    QCOMPARE(roots.bundledDir(), bundled());
    QCOMPARE(roots.tempDir(), m_home->filePath(QStringLiteral("cache/Orvandel/Quillmoor/Temp")));
    QCOMPARE(roots.facesDir(), m_home->filePath(QStringLiteral("cache/Orvandel/Quillmoor/Faces")));

    // Reading the data makes no folder (the thumbnailer reads it for each
    // file a file manager shows); the table's start-up makes the writable
    // folders in the user's folders, and the reading dialogs start in the
    // user's Saved.
    ProgramData data(roots);
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Ardenvale"));
    data.scan(preferences);
    QVERIFY(!QFileInfo::exists(m_userDir));
    roots.createFolders();
    data.scan(preferences);
    for (const QString &folder : {QStringLiteral("Music"), QStringLiteral("Saved")})
        QVERIFY2(QFileInfo(m_userDir + QLatin1Char('/') + folder).isDir(), qPrintable(folder));
    QVERIFY(QFileInfo(roots.tempDir()).isDir());
    QCOMPARE(data.readingsDir(), m_userDir + QStringLiteral("/Saved/"));
    QCOMPARE(preferences.deckName(), QStringLiteral("Ardenvale"));
    QCOMPARE(QDir(bundled()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{QStringLiteral("Pics"), QLatin1String(DataRoots::InstalledMarker)}));

    // A write lands in the user's folder, its folder made on the way.
    const QString spread = Spread::writePath(roots, QStringLiteral("Mine"));
    QCOMPARE(spread, m_userDir + QStringLiteral("/Spreads/Mine.spread"));
    QVERIFY(saveSpread(spread, 2));
    QCOMPARE(DataFolders::spreadNames(roots), QStringList{QStringLiteral("Mine")});

    QVERIFY(writeFile(roots.tempDir() + QStringLiteral("/report.htm"), "scratch"));
    roots.emptyTemp();
    QVERIFY(QDir(roots.tempDir()).isEmpty());
}

void TestDataRoots::writableProgramFolderStaysPortable()
{
    const DataRoots roots = DataRoots::forDataFolder(bundled());
    QVERIFY(roots.isPortable());
    QCOMPARE(roots.userDir(), bundled());
    QCOMPARE(roots.readRoots(), QStringList{bundled()});
    QCOMPARE(roots.tempDir(), bundled(QStringLiteral("Temp")));
    QCOMPARE(roots.savedDir(), bundled(QStringLiteral("Saved")));
    QCOMPARE(Spread::writePath(roots, QStringLiteral("New")),
             bundled(QStringLiteral("Spreads/New.spread")));
    roots.createFolders();
    for (const QString &folder :
         {QStringLiteral("Music"), QStringLiteral("Saved"), QStringLiteral("Temp")})
        QVERIFY2(QFileInfo(bundled(folder)).isDir(), qPrintable(folder));
    QVERIFY(!QFileInfo::exists(m_userDir));
}

void TestDataRoots::readsPreferTheUsersFiles()
{
    const DataRoots roots = installed();
    QVERIFY(saveSpread(bundled(QStringLiteral("Spreads/Shared.spread")), 3));
    QVERIFY(saveSpread(bundled(QStringLiteral("Spreads/Bundled.spread")), 3));
    QVERIFY(saveSpread(m_userDir + QStringLiteral("/Spreads/Shared.spread"), 5));
    QVERIFY(writeFile(bundled(QStringLiteral("Langs/English/List.lng")), "bundled"));
    QVERIFY(writeFile(bundled(QStringLiteral("Langs/Testish/List.lng")), "bundled"));
    QVERIFY(writeFile(m_userDir + QStringLiteral("/Langs/Testish/List.lng"), "edited"));

    QStringList names = DataFolders::spreadNames(roots);
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Bundled"), QStringLiteral("Shared")}));
    Spread shared;
    QCOMPARE(shared.load(Spread::filePath(roots, QStringLiteral("Shared"))),
             Spread::LoadResult::Loaded);
    QCOMPARE(shared.positionCount(), 5);
    QCOMPARE(Spread::filePath(roots, QStringLiteral("Bundled")),
             bundled(QStringLiteral("Spreads/Bundled.spread")));

    QCOMPARE(readFile(roots.find(QStringLiteral("Langs/Testish/List.lng"))), QByteArray("edited"));
    QCOMPARE(readFile(roots.find(QStringLiteral("Langs/English/List.lng"))), QByteArray("bundled"));
    QVERIFY(roots.find(QStringLiteral("Langs/Nowhere/List.lng")).isEmpty());
    QCOMPARE(roots.findOrBundled(QStringLiteral("Langs/Nowhere/List.lng")),
             bundled(QStringLiteral("Langs/Nowhere/List.lng")));
}

void TestDataRoots::editedMeaningGoesToTheUsersFolder()
{
    const DataRoots roots = installed();
    QVERIFY(writeFile(bundled(QStringLiteral("Langs/English/Texts/12.txt")), "bundled meaning"));
    QVERIFY(QDir().mkpath(bundled(QStringLiteral("Pics/Deck"))));
    const MeaningText::Source source{roots, QStringLiteral("Deck"), QStringLiteral("English"), 12,
                                     false};
    QCOMPARE(MeaningText::lookup(source), QByteArray("bundled meaning"));

    QVERIFY(MeaningText::save(source, "edited meaning", true, true));
    QCOMPARE(readFile(m_userDir + QStringLiteral("/Langs/English/Texts/12.txt")),
             QByteArray("edited meaning"));
    QCOMPARE(readFile(m_userDir + QStringLiteral("/Pics/Deck/12.txt")),
             QByteArray("edited meaning"));
    QCOMPARE(readFile(bundled(QStringLiteral("Langs/English/Texts/12.txt"))),
             QByteArray("bundled meaning"));
    QVERIFY(!QFileInfo::exists(bundled(QStringLiteral("Pics/Deck/12.txt"))));

    // The deck's text is read from the user's copy; the default too.
    QCOMPARE(MeaningText::lookup(source), QByteArray("edited meaning"));
    QVERIFY(QFile::remove(m_userDir + QStringLiteral("/Pics/Deck/12.txt")));
    QCOMPARE(MeaningText::lookup(source), QByteArray("edited meaning"));

    // A deck that no root has gets no folder made for it.
    MeaningText::Source gone = source;
    gone.deckName = QStringLiteral("Gone");
    QVERIFY(!MeaningText::save(gone, "text", true, false));
    QVERIFY(!QFileInfo::exists(m_userDir + QStringLiteral("/Pics/Gone")));
}

void TestDataRoots::musicAndAssociationsLookInBothRoots()
{
    const DataRoots roots = installed();
    QVERIFY(writeFile(bundled(QStringLiteral("Music/Tune.mid")), "bundled tune"));
    QVERIFY(writeFile(bundled(QStringLiteral("Associat.txt")), "bundled"));
    QCOMPARE(roots.musicFolders(), QStringList{bundled(QStringLiteral("Music"))});
    QCOMPARE(roots.findMusic(QStringLiteral("Tune.mid")),
             bundled(QStringLiteral("Music/Tune.mid")));
    QCOMPARE(roots.associationFile(), bundled(QStringLiteral("Associat.txt")));

    const QString written = roots.associationWritePath();
    QCOMPARE(written, m_userDir + QStringLiteral("/Associat.txt"));
    QVERIFY(writeFile(written, "user's"));
    QVERIFY(writeFile(m_userDir + QStringLiteral("/Music/Tune.mid"), "user's tune"));
    QCOMPARE(roots.associationFile(), written);
    QCOMPARE(roots.findMusic(QStringLiteral("Tune.mid")),
             m_userDir + QStringLiteral("/Music/Tune.mid"));
    QCOMPARE(roots.musicDir(), m_userDir + QStringLiteral("/Music"));
}

void TestDataRoots::dataFolderIsFoundBesideOrBelowTheExecutable()
{
    // A build folder: the data lies beside the executable.
    QVERIFY(QDir().mkpath(bundled(QStringLiteral("build/bin/Langs"))));
    QCOMPARE(DataRoots::dataFolderOf(bundled(QStringLiteral("build/bin"))),
             bundled(QStringLiteral("build/bin")));
    // Installed under any prefix: PREFIX/bin and PREFIX/share/quillmoor.
    QVERIFY(QDir().mkpath(bundled(QStringLiteral("prefix/bin"))));
    QVERIFY(QDir().mkpath(bundled(QStringLiteral("prefix/share/quillmoor/Langs"))));
    QCOMPARE(DataRoots::dataFolderOf(bundled(QStringLiteral("prefix/bin"))),
             bundled(QStringLiteral("prefix/share/quillmoor")));
}

void TestDataRoots::spreadFileFromOutsideJoinsTheUsersSpreads()
{
    const DataRoots roots = installed();
    QVERIFY(saveSpread(bundled(QStringLiteral("Spreads/Bundled.spread")), 3));
    const QString outside = m_home->filePath(QStringLiteral("Downloads/Friend's.spread"));
    QVERIFY(saveSpread(outside, 4));

    // A bundled spread is laid where it lies.
    auto offered = SpreadImport::offer(roots, {QStringLiteral("Bundled")},
                                       bundled(QStringLiteral("Spreads/Bundled.spread")));
    QVERIFY(offered);
    QCOMPARE(offered->path, bundled(QStringLiteral("Spreads/Bundled.spread")));

    // One from elsewhere is copied among the user's spreads under its name.
    offered = SpreadImport::offer(roots, {QStringLiteral("Bundled")}, outside);
    QVERIFY(offered);
    QCOMPARE(offered->name, QStringLiteral("Friend's"));
    QCOMPARE(offered->path, m_userDir + QStringLiteral("/Spreads/Friend's.spread"));
    QCOMPARE(readFile(offered->path), readFile(outside));

    // A file that is no spread is refused, named in the message, and not copied.
    const QString damaged = m_home->filePath(QStringLiteral("Downloads/Damaged.spread"));
    QVERIFY(writeFile(damaged, "not a spread"));
    SpreadImport::Refusal refusal;
    QVERIFY(!SpreadImport::offer(roots, {}, damaged, &refusal));
    QCOMPARE(refusal.kind, SpreadImport::Refusal::Kind::Unreadable);
    QVERIFY2(refusal.text.contains(QStringLiteral("Damaged.spread")), qPrintable(refusal.text));
    QVERIFY(!QFileInfo::exists(m_userDir + QStringLiteral("/Spreads/Damaged.spread")));
}

QTEST_GUILESS_MAIN(TestDataRoots)
#include "test_DataRoots.moc"
