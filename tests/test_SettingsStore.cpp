// Checks how preferences are read (defaults, word flags, integer groups,
// fallbacks) and in which form they are written back.
#include "core/app/Preferences.h"
#include "core/app/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <utility>

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
    void sizesFitTheScreen_data();
    void sizesFitTheScreen();
    void defaultsShrinkToASmallScreen();

private:
    std::unique_ptr<QSettings> settings();
    std::unique_ptr<Preferences> readState(const QSize &screen = Screen);
    static constexpr QSize Screen{1280, 800};
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

std::unique_ptr<Preferences> TestSettingsStore::readState(const QSize &screen)
{
    auto state = std::make_unique<Preferences>();
    auto store = settings();
    SettingsStore::read(*store, m_dir->path(), screen, *state);
    return state;
}

void TestSettingsStore::firstStartGivesDefaults()
{
    const auto state = readState();
    QCOMPARE(state->deckName(), QStringLiteral("Ardenvale"));
    QCOMPARE(state->language(), QStringLiteral("English"));
    QCOMPARE(state->backColor(), BgrColor(1135889));
    QVERIFY(state->cutDeck());
    QVERIFY(!state->cutThreePiles());
    QVERIFY(!state->useReverse());
    QVERIFY(!state->majorOnly());
    QVERIFY(!state->drawAuto());
    QVERIFY(state->useTips());
    QVERIFY(state->strengthEleven());
    QVERIFY(state->ardenvaleStyle());
    QVERIFY(state->keepActual());
    QVERIFY(!state->keepStraight());
    QCOMPARE(int(state->reportFormat()), 0);
    QVERIFY(state->printView());
    QVERIFY(state->printExplanations());
    QCOMPARE(state->querentCard(), -1);
    QCOMPARE(int(state->playMode()), 2);
    QCOMPARE(state->cardWidth(), 200);
    QCOMPARE(state->detailHeight(), 479);
    QCOMPARE(state->meaningPanelWidth(), 229);
    QCOMPARE(state->meaningPanelHeight(), 248);
    QCOMPARE(state->musicVolume(), 70);
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
    const auto state = readState();
    QCOMPARE(state->cutDeck(), cutDeck);
    QCOMPARE(state->useReverse(), useReverse);
}

void TestSettingsStore::olderDeckNameIsUsedAndWrittenAsNew()
{
    {
        auto store = settings();
        store->setValue(QStringLiteral("DeckName"), QString());
        store->setValue(QStringLiteral("DeskName"), QStringLiteral("Veldmere"));
    }
    const auto state = readState();
    QCOMPARE(state->deckName(), QStringLiteral("Veldmere"));
    auto store = settings();
    SettingsStore::write(*store, *state);
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
    const auto state = readState();
    QCOMPARE(state->cardWidth(), 200);
    QCOMPARE(state->cardHeight(), 290);
    QCOMPARE(state->detailWidth(), 532);
    QCOMPARE(state->detailHeight(), 479);
    // Values before the bad one in its group are kept; other groups are unaffected.
    QCOMPARE(state->meaningPanelWidth(), 300);
    QCOMPARE(state->meaningPanelHeight(), 248);
    QCOMPARE(state->querentCard(), 17);
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
    const auto state = readState();
    QCOMPARE(state->cardWidth(), 250);
    QCOMPARE(state->cardHeight(), 290);
    QCOMPARE(state->detailWidth(), 532);
    QCOMPARE(state->detailHeight(), 479);
    QCOMPARE(state->backColor(), BgrColor(0x804040));
}

void TestSettingsStore::strengthAndPrintType()
{
    const struct
    {
        const char *strength;
        bool eleven;
        const char *printType;
        int type;
    } cases[] = {{"8", false, "html", 1}, {"11", true, "RTF", 0}, {"08", true, "Oo", 2},
                 {" 8", true, "pdf", 3},  {"11", true, "DOC", 0}, {"8", false, "Printer", 4},
                 {"", true, "", 0}};
    for (const auto &c : cases) {
        {
            auto store = settings();
            store->setValue(QStringLiteral("Strength11"), QLatin1String(c.strength));
            store->setValue(QStringLiteral("printtype"), QLatin1String(c.printType));
        }
        const auto state = readState();
        QCOMPARE(state->strengthEleven(), c.eleven);
        QCOMPARE(int(state->reportFormat()), c.type);
    }
    // The PDF and printer choices are written as words of their own; a number no format has
    // falls back to Word.
    for (const auto &[type, word] :
         {std::pair{3, "PDF"}, std::pair{4, "PRINTER"}, std::pair{7, "RTF"}}) {
        auto state = std::make_unique<Preferences>();
        state->setReportFormat(ReportFormat(type));
        auto store = settings();
        SettingsStore::write(*store, *state);
        QCOMPARE(store->value(QStringLiteral("printtype")).toString(), QLatin1String(word));
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
    auto state = readState();
    QCOMPARE(state->musicDir(), appDir);
    QCOMPARE(state->musicFile(), appDir + QStringLiteral("/Music/Stormsinafrica.mid"));
    QCOMPARE(state->lastMusicFile(), state->musicFile());

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
    QCOMPARE(state->musicDir(), appDir + QStringLiteral("/Music/Own"));
    QCOMPARE(state->musicFile(), tune.fileName());

    // A vanished file resets the folder too, now to the existing Music folder.
    QVERIFY(tune.remove());
    state = readState();
    QCOMPARE(state->musicDir(), appDir + QStringLiteral("/Music"));
}

void TestSettingsStore::writesEveryValueInItsForm()
{
    auto state = std::make_unique<Preferences>();
    state->setMajorOnly(true);
    state->setCutDeck(false);
    state->setStrengthEleven(false);
    state->setReportFormat(ReportFormat::OpenDocument);
    state->setDrawAuto(false);
    state->setPlayMusic(true);
    state->setBackColor(BgrColor(0x123456));
    state->setQuerentCard(74);
    auto store = settings();
    SettingsStore::write(*store, *state);

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
    auto written = std::make_unique<Preferences>();
    written->setDeckName(QStringLiteral("Veldmere"));
    written->setLanguage(QStringLiteral("Deutsch"));
    written->setUseReverse(true);
    written->setCutThreePiles(true);
    written->setArdenvaleStyle(false);
    written->setKeepStraight(true);
    written->setReportFormat(ReportFormat::Html);
    written->setCardWidth(321);
    written->setMeaningPanelHeight(99);
    written->setPlayMode(PlayMode::SelectedFile);
    written->setMusicVolume(35);
    {
        auto store = settings();
        SettingsStore::write(*store, *written);
    }
    const auto read = readState();
    QCOMPARE(read->deckName(), written->deckName());
    QCOMPARE(read->language(), written->language());
    QCOMPARE(read->useReverse(), true);
    QCOMPARE(read->cutThreePiles(), true);
    QCOMPARE(read->ardenvaleStyle(), false);
    QCOMPARE(read->keepStraight(), true);
    QCOMPARE(int(read->reportFormat()), 1);
    QCOMPARE(read->cardWidth(), 321);
    QCOMPARE(read->meaningPanelHeight(), 99);
    QCOMPARE(int(read->playMode()), 0);
    QCOMPARE(read->musicVolume(), 35);
    // A loudness beyond full gives the default.
    {
        auto store = settings();
        store->setValue(QStringLiteral("musicvolume"), 250);
    }
    QCOMPARE(readState()->musicVolume(), 70);
}

void TestSettingsStore::sizesFitTheScreen_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    // Sizes larger than the 1280 x 800 screen shrink to it; sizes too small
    // to show anything give the default.
    QTest::newRow("wide detail window") << "fmwidth" << 100000 << 1280;
    QTest::newRow("tall detail window") << "fmheight" << 5000 << 800;
    QTest::newRow("detail window of no height") << "fmheight" << 0 << 479;
    QTest::newRow("negative detail width") << "fmwidth" << -300 << 532;
    QTest::newRow("detail window of a few pixels") << "fmwidth" << 40 << 532;
    QTest::newRow("detail window that fits") << "fmwidth" << 1000 << 1000;
    QTest::newRow("wide card") << "cdwidth" << 9000 << 1280;
    QTest::newRow("card of no width") << "cdwidth" << 0 << 200;
    QTest::newRow("card of a few pixels") << "cdheight" << 3 << 290;
    QTest::newRow("card that fits") << "cdheight" << 700 << 700;
    // The text field lies inside the detail window (640 x 480 here).
    QTest::newRow("text field wider than its window") << "memowidth" << 2000 << 640;
    QTest::newRow("text field taller than its window") << "memoheight" << 2000 << 480;
    QTest::newRow("negative text field") << "memoheight" << -1 << 248;
    QTest::newRow("play mode out of range") << "playtype" << 7 << 2;
    QTest::newRow("play mode in range") << "playtype" << 0 << 0;
    QTest::newRow("card number out of range") << "curquer" << 79 << -1;
    QTest::newRow("card number below range") << "curquer" << -2 << -1;
    QTest::newRow("last card number") << "curquer" << 78 << 78;
}

void TestSettingsStore::sizesFitTheScreen()
{
    QFETCH(QString, key);
    QFETCH(int, stored);
    QFETCH(int, read);
    const auto playMode = [](const Preferences &p) { return int(p.playMode()); };
    const std::pair<const char *, std::function<int(const Preferences &)>> fields[] = {
        {"cdwidth", &Preferences::cardWidth},
        {"cdheight", &Preferences::cardHeight},
        {"fmwidth", &Preferences::detailWidth},
        {"fmheight", &Preferences::detailHeight},
        {"memowidth", &Preferences::meaningPanelWidth},
        {"memoheight", &Preferences::meaningPanelHeight},
        {"playtype", playMode},
        {"curquer", &Preferences::querentCard}};
    {
        auto store = settings();
        const int sound[] = {150, 250, 640, 480, 200, 240, 1, 5};
        for (std::size_t i = 0; i < std::size(fields); ++i)
            store->setValue(QLatin1String(fields[i].first), sound[i]);
        store->setValue(key, stored);
    }
    const auto state = readState();
    std::function<int(const Preferences &)> field;
    for (const auto &[name, member] : fields) {
        if (key == QLatin1String(name))
            field = member;
    }
    QVERIFY(field);
    QCOMPARE(field(*state), read);

    // What was read is what is written back.
    auto store = settings();
    SettingsStore::write(*store, *state);
    QCOMPARE(store->value(key).toInt(), read);
}

void TestSettingsStore::defaultsShrinkToASmallScreen()
{
    const auto state = readState(QSize(400, 240));
    QCOMPARE(state->detailWidth(), 400);
    QCOMPARE(state->detailHeight(), 240);
    QCOMPARE(state->cardWidth(), 200);
    QCOMPARE(state->cardHeight(), 240);
    QCOMPARE(state->meaningPanelWidth(), 229);
    QCOMPARE(state->meaningPanelHeight(), 240);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_SettingsStore.moc"
