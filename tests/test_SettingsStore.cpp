// Checks how preferences are read (defaults, word flags, integer groups,
// fallbacks) and in which form they are written back.
#include "core/app/SettingsStore.h"
#include "core/app/TableState.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartGivesDefaults();
    void flagsCompareWordsInUpperCase_data();
    void flagsCompareWordsInUpperCase();
    void olderDeckNameIsUsedAndWrittenAsNew();
    void badIntegerKeepsRestOfGroup();
    void missingIntegerKeepsRestOfGroup();
    void strengthAndPrintType();
    void musicFallsBackToBundledFolder();
    void writesEveryValueInItsForm();
    void roundTrip();

private:
    std::unique_ptr<QSettings> settings();
    TableState readState();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

std::unique_ptr<QSettings> TestSettingsStore::settings()
{
    return std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("Doded.conf")),
                                       QSettings::IniFormat);
}

TableState TestSettingsStore::readState()
{
    TableState state;
    state.AppDir = m_dir->path();
    auto store = settings();
    SettingsStore::read(*store, state);
    return state;
}

void TestSettingsStore::firstStartGivesDefaults()
{
    const TableState state = readState();
    QCOMPARE(state.DeckName, QStringLiteral("Ardenvale"));
    QCOMPARE(state.Language, QStringLiteral("English"));
    QCOMPARE(state.BackColor, TColor(1135889));
    QVERIFY(state.CutDeck);
    QVERIFY(!state.CutThreePiles);
    QVERIFY(!state.UseReverse);
    QVERIFY(!state.MajorOnly);
    QVERIFY(!state.DrawAuto);
    QVERIFY(state.UseTips);
    QVERIFY(state.StrengthEleven);
    QVERIFY(state.ArdenvaleStyle);
    QVERIFY(state.KeepActual);
    QVERIFY(!state.KeepStraight);
    QCOMPARE(state.PrintType, 0);
    QVERIFY(state.PrintView);
    QVERIFY(state.PrintExpl);
    QCOMPARE(state.QuerentCard, -1);
    QCOMPARE(state.PlayType, 2);
    QCOMPARE(state.CardWidth, 200);
    QCOMPARE(state.DetailHeight, 479);
    QCOMPARE(state.MemoWidth, 229);
    QCOMPARE(state.MemoHeight, 248);
}

void TestSettingsStore::flagsCompareWordsInUpperCase_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("cutDeck");
    QTest::addColumn<bool>("useReverse");
    QTest::newRow("no") << "no" << false << false;
    QTest::newRow("No") << "No" << false << false;
    QTest::newRow("NO") << "NO" << false << false;
    QTest::newRow("yes") << "yes" << true << true;
    QTest::newRow("YeS") << "YeS" << true << true;
    QTest::newRow("other word") << "maybe" << true << false;
    QTest::newRow("empty") << "" << true << false;
}

void TestSettingsStore::flagsCompareWordsInUpperCase()
{
    QFETCH(QString, stored);
    QFETCH(bool, cutDeck);
    QFETCH(bool, useReverse);
    {
        auto store = settings();
        store->setValue(QStringLiteral("cutdeck"), stored);
        store->setValue(QStringLiteral("UseReverse"), stored);
    }
    const TableState state = readState();
    QCOMPARE(state.CutDeck, cutDeck);
    QCOMPARE(state.UseReverse, useReverse);
}

void TestSettingsStore::olderDeckNameIsUsedAndWrittenAsNew()
{
    {
        auto store = settings();
        store->setValue(QStringLiteral("DeckName"), QString());
        store->setValue(QStringLiteral("DeskName"), QStringLiteral("Veldmere"));
    }
    const TableState state = readState();
    QCOMPARE(state.DeckName, QStringLiteral("Veldmere"));
    auto store = settings();
    SettingsStore::write(*store, state);
    QCOMPARE(store->value(QStringLiteral("DeckName")).toString(), QStringLiteral("Veldmere"));
}

void TestSettingsStore::badIntegerKeepsRestOfGroup()
{
    {
        auto store = settings();
        store->setValue(QStringLiteral("cdwidth"), QStringLiteral("wide"));
        store->setValue(QStringLiteral("cdheight"), 400);
        store->setValue(QStringLiteral("fmwidth"), 700);
        store->setValue(QStringLiteral("fmheight"), 600);
        store->setValue(QStringLiteral("memowidth"), 300);
        store->setValue(QStringLiteral("memoheight"), QStringLiteral("12.5"));
        store->setValue(QStringLiteral("curquer"), 17);
    }
    const TableState state = readState();
    QCOMPARE(state.CardWidth, 200);
    QCOMPARE(state.CardHeight, 290);
    QCOMPARE(state.DetailWidth, 532);
    QCOMPARE(state.DetailHeight, 479);
    // Values before the bad one in its group are kept; other groups are unaffected.
    QCOMPARE(state.MemoWidth, 300);
    QCOMPARE(state.MemoHeight, 248);
    QCOMPARE(state.QuerentCard, 17);
}

void TestSettingsStore::missingIntegerKeepsRestOfGroup()
{
    {
        auto store = settings();
        store->setValue(QStringLiteral("cdwidth"), 250);
        store->setValue(QStringLiteral("fmwidth"), 700);
        store->setValue(QStringLiteral("fmheight"), 600);
        store->setValue(QStringLiteral("backcolor"), 0x804040);
    }
    const TableState state = readState();
    QCOMPARE(state.CardWidth, 250);
    QCOMPARE(state.CardHeight, 290);
    QCOMPARE(state.DetailWidth, 532);
    QCOMPARE(state.DetailHeight, 479);
    QCOMPARE(state.BackColor, TColor(0x804040));
}

void TestSettingsStore::strengthAndPrintType()
{
    const struct
    {
        const char *strength;
        bool eleven;
        const char *printType;
        int type;
    } cases[] = {{"8", false, "html", 1},
                 {"11", true, "RTF", 0},
                 {"08", true, "Oo", 2},
                 {" 8", true, "PDF", 0},
                 {"", true, "", 0}};
    for (const auto &c : cases) {
        {
            auto store = settings();
            store->setValue(QStringLiteral("Strength11"), QLatin1String(c.strength));
            store->setValue(QStringLiteral("printtype"), QLatin1String(c.printType));
        }
        const TableState state = readState();
        QCOMPARE(state.StrengthEleven, c.eleven);
        QCOMPARE(state.PrintType, c.type);
    }
}

void TestSettingsStore::musicFallsBackToBundledFolder()
{
    const QString appDir = m_dir->path();
    {
        auto store = settings();
        store->setValue(QStringLiteral("curmusdir"), appDir + QStringLiteral("/gone"));
        store->setValue(QStringLiteral("curmusfile"), appDir + QStringLiteral("/gone.mid"));
    }
    TableState state = readState();
    QCOMPARE(state.MusicDir, appDir);
    QCOMPARE(state.MusicFile, appDir + QStringLiteral("/Music/Stormsinafrica.mid"));
    QCOMPARE(state.LastMusicFile, state.MusicFile);

    QVERIFY(QDir(appDir).mkpath(QStringLiteral("Music/Own")));
    QFile tune(appDir + QStringLiteral("/Music/Own/tune.mid"));
    QVERIFY(tune.open(QIODevice::WriteOnly));
    tune.close();
    {
        auto store = settings();
        store->setValue(QStringLiteral("curmusdir"), appDir + QStringLiteral("/Music/Own"));
        store->setValue(QStringLiteral("curmusfile"), tune.fileName());
    }
    state = readState();
    QCOMPARE(state.MusicDir, appDir + QStringLiteral("/Music/Own"));
    QCOMPARE(state.MusicFile, tune.fileName());

    // A vanished file resets the folder too, now to the existing Music folder.
    QVERIFY(tune.remove());
    state = readState();
    QCOMPARE(state.MusicDir, appDir + QStringLiteral("/Music"));
}

void TestSettingsStore::writesEveryValueInItsForm()
{
    TableState state;
    state.AppDir = m_dir->path();
    state.MajorOnly = true;
    state.CutDeck = false;
    state.StrengthEleven = false;
    state.PrintType = 2;
    state.DrawAuto = false;
    state.PlayMusic = true;
    state.BackColor = 0x123456;
    state.QuerentCard = 74;
    auto store = settings();
    SettingsStore::write(*store, state);

    const auto text = [&](const char *key) { return store->value(QLatin1String(key)).toString(); };
    QCOMPARE(text("MajorOnly"), QStringLiteral("YES"));
    QCOMPARE(text("drawauto"), QStringLiteral("NO"));
    QCOMPARE(text("PlayMusic"), QStringLiteral("YES"));
    QCOMPARE(text("cutdeck"), QStringLiteral("no"));
    QCOMPARE(text("UseTips"), QStringLiteral("yes"));
    QCOMPARE(text("Strength11"), QStringLiteral("8"));
    QCOMPARE(text("printtype"), QStringLiteral("OO"));
    QCOMPARE(text("backcolor"), QString::number(0x123456));
    QCOMPARE(text("curquer"), QStringLiteral("74"));
    QCOMPARE(text("memoheight"), QStringLiteral("248"));
    for (const char *key :
         {"DeckName",   "language",    "curmusdir",     "curmusfile", "ArdenvaleStyle",
          "keepactual", "cut3piles",   "keepstraight",  "resetmusic", "ignspas",
          "printview",  "printschema", "printbigcards", "printexpl",  "UseReverse",
          "playtype",   "cdwidth",     "cdheight",      "fmwidth",    "fmheight",
          "memowidth"})
        QVERIFY2(store->contains(QLatin1String(key)), key);
}

void TestSettingsStore::roundTrip()
{
    TableState written;
    written.AppDir = m_dir->path();
    written.DeckName = QStringLiteral("Veldmere");
    written.Language = QStringLiteral("Deutsch");
    written.UseReverse = true;
    written.CutThreePiles = true;
    written.ArdenvaleStyle = false;
    written.KeepStraight = true;
    written.PrintType = 1;
    written.CardWidth = 321;
    written.MemoHeight = 99;
    written.PlayType = 0;
    {
        auto store = settings();
        SettingsStore::write(*store, written);
    }
    const TableState read = readState();
    QCOMPARE(read.DeckName, written.DeckName);
    QCOMPARE(read.Language, written.Language);
    QCOMPARE(read.UseReverse, true);
    QCOMPARE(read.CutThreePiles, true);
    QCOMPARE(read.ArdenvaleStyle, false);
    QCOMPARE(read.KeepStraight, true);
    QCOMPARE(read.PrintType, 1);
    QCOMPARE(read.CardWidth, 321);
    QCOMPARE(read.MemoHeight, 99);
    QCOMPARE(read.PlayType, 0);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_SettingsStore.moc"
