// Checks what the program loads from its data folder at start-up: interface
// texts that fall back to English line by line and say when the language is
// incomplete, texts and titles decoded for their language, and a deck name
// that names no deck folder replaced by a bundled deck that exists.
#include "TestFiles.h"
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestProgramData : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shortListFallsBackToEnglishLineByLine();
    void missingLangsFolderShowsBuiltinEnglish();
    void completeLanguageIsNotReported();
    void eightBitTextsAreDecodedForTheLanguage();
    void helpGuideFollowsTheLanguage();
    void missingDeckFallsBackToABundledOne_data();
    void missingDeckFallsBackToABundledOne();
    void languageOutsideLangsIsNotRead();
    void binaryJunkListsAreNotTexts();

private:
    [[nodiscard]] bool writeFile(const QString &relativePath, const QByteArray &bytes);
    QByteArray englishList() const;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProgramData::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

bool TestProgramData::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    return writeTestFile(m_dir->filePath(relativePath), bytes);
}

QByteArray TestProgramData::englishList() const
{
    QFile bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Langs/English/List.lng"));
    return bundled.open(QIODevice::ReadOnly) ? bundled.readAll() : QByteArray();
}

void TestProgramData::shortListFallsBackToEnglishLineByLine()
{
    QVERIFY(writeFile(QStringLiteral("Langs/Deutsch/List.lng"), "Gut\nAbbrechen\nDeutungen\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/Deutsch/Cards.lng"), "Der Narr\n"));
    Preferences preferences;
    preferences.setLanguage(QStringLiteral("Deutsch"));
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QCOMPARE(data.uiText(UiText::Ok), QStringLiteral("Gut"));
    QCOMPARE(data.uiText(UiText::Cancel), QStringLiteral("Abbrechen"));
    QCOMPARE(data.uiText(UiText::MenuReadings), QStringLiteral("Deutungen"));
    QCOMPARE(data.uiText(UiText::MenuHelp), QStringLiteral("Help"));
    QCOMPARE(data.uiText(UiText::MenuLanguage), QStringLiteral("Language"));
    QVERIFY(!data.languageComplete());
    QCOMPARE(data.cardTitle(0), QStringLiteral("Der Narr"));
}

void TestProgramData::missingLangsFolderShowsBuiltinEnglish()
{
    Preferences preferences;
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QCOMPARE(data.uiText(UiText::Ok), QStringLiteral("OK"));
    QCOMPARE(data.uiText(UiText::Cancel), QStringLiteral("Cancel"));
    QCOMPARE(data.uiText(UiText::MenuHelp), QStringLiteral("Help"));
    QCOMPARE(data.uiText(UiText::LanguageIncomplete).isEmpty(), false);
    QVERIFY(!data.languageComplete());

    // A language folder without its own list uses the English file, and is
    // still incomplete.
    const QByteArray english = englishList();
    QVERIFY(!english.isEmpty());
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), english));
    QVERIFY(writeFile(QStringLiteral("Langs/English/Cards.lng"), "The Fool\r\n"));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Langs/Deutsch")));
    preferences.setLanguage(QStringLiteral("Deutsch"));
    data.loadLanguage(preferences);
    QVERIFY(!data.languageComplete());
}

void TestProgramData::completeLanguageIsNotReported()
{
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), englishList()));
    QVERIFY(writeFile(QStringLiteral("Langs/English/Cards.lng"), "The Fool\r\n"));
    Preferences preferences;
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QVERIFY(data.languageComplete());
    QCOMPARE(data.uiText(UiText::MenuLanguage), QStringLiteral("Language"));

    // The same list with LF line ends is just as complete.
    QByteArray lf = englishList();
    lf.replace("\r\n", "\n");
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), lf));
    data.loadLanguage(preferences);
    QVERIFY(data.languageComplete());
    QCOMPARE(data.uiText(UiText::Ok), QStringLiteral("OK"));
    QCOMPARE(data.uiText(UiText::MenuLanguage), QStringLiteral("Language"));
}

void TestProgramData::eightBitTextsAreDecodedForTheLanguage()
{
    // "Отмена" and "Шут" in Windows-1251.
    QVERIFY(
        writeFile(QStringLiteral("Langs/Russian/List.lng"), "OK\r\n\xce\xf2\xec\xe5\xed\xe0\r\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/Russian/Cards.lng"), "\xd8\xf3\xf2\r\n"));
    Preferences preferences;
    preferences.setLanguage(QStringLiteral("Russian"));
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QCOMPARE(data.uiText(UiText::Cancel), QStringLiteral("\u041e\u0442\u043c\u0435\u043d\u0430"));
    QCOMPARE(data.cardTitle(0), QStringLiteral("\u0428\u0443\u0442"));
    QCOMPARE(data.decoded("\xd8\xf3\xf2"), QStringLiteral("\u0428\u0443\u0442"));
}

void TestProgramData::helpGuideFollowsTheLanguage()
{
    Preferences preferences;
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QVERIFY(data.helpGuide().isEmpty());

    const QString langs = m_dir->path() + QStringLiteral("/Langs/");
    QVERIFY(writeFile(QStringLiteral("Langs/English/Doded.htm"), "<title>Guide</title>"));
    QVERIFY(writeFile(QStringLiteral("Langs/Russian/Doded.htm"), "<title>Guide</title>"));
    QVERIFY(writeFile(QStringLiteral("Langs/russian/List.lng"), "OK\r\n"));
    data.loadLanguage(preferences);
    QCOMPARE(data.helpGuide(), langs + QStringLiteral("English/Doded.htm"));
    preferences.setLanguage(QStringLiteral("Russian"));
    data.loadLanguage(preferences);
    QCOMPARE(data.helpGuide(), langs + QStringLiteral("Russian/Doded.htm"));
    // A language without a guide of its own shows the English one; a folder
    // name differing only in case is another language.
    preferences.setLanguage(QStringLiteral("russian"));
    data.loadLanguage(preferences);
    QCOMPARE(data.helpGuide(), langs + QStringLiteral("English/Doded.htm"));
}

void TestProgramData::missingDeckFallsBackToABundledOne_data()
{
    QTest::addColumn<QStringList>("decks");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used");
    QTest::addColumn<QString>("replaced");
    const QStringList both{QStringLiteral("Ardenvale"), QStringLiteral("Veldmere")};
    QTest::newRow("deck exists") << both << "Veldmere"
                                 << "Veldmere" << QString();
    QTest::newRow("own deck exists") << QStringList{QStringLiteral("Mine")} << "Mine"
                                     << "Mine" << QString();
    QTest::newRow("first bundled deck") << both << "Gone"
                                        << "Ardenvale"
                                        << "Gone";
    QTest::newRow("only the second bundled deck")
        << QStringList{QStringLiteral("Veldmere")} << "Ardenvale"
        << "Veldmere"
        << "Ardenvale";
    QTest::newRow("no deck at all") << QStringList{} << "Gone"
                                    << "Gone" << QString();
    // Names that lead out of Pics name no deck, even where a folder lies.
    for (const char *outside : {"../Outside", "..", "Inner/..", "Back\\slash"}) {
        QTest::newRow(outside) << both + QStringList{QLatin1String(outside)} << outside
                               << "Ardenvale" << outside;
    }
    QTest::newRow("absolute") << both << "/tmp"
                              << "Ardenvale"
                              << "/tmp";
}

void TestProgramData::missingDeckFallsBackToABundledOne()
{
    QFETCH(QStringList, decks);
    QFETCH(QString, stored);
    QFETCH(QString, used);
    QFETCH(QString, replaced);
    for (const QString &deck : decks)
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("Pics/") + deck));
    // A plain file does not make a deck.
    QVERIFY(writeFile(QStringLiteral("Pics/Gone"), "not a folder"));
    Preferences preferences;
    preferences.setDeckName(stored);
    ProgramData data(m_dir->path());
    data.scan(preferences);
    QCOMPARE(preferences.deckName(), used);
    QCOMPARE(data.replacedDeck(), replaced);
}

void TestProgramData::languageOutsideLangsIsNotRead()
{
    // A language name that leads out of Langs reads nothing there: the
    // texts are English and the language is reported incomplete.
    QVERIFY(writeFile(QStringLiteral("Evil/List.lng"), "Gut\nAbbrechen\n"));
    QVERIFY(writeFile(QStringLiteral("Evil/Cards.lng"), "Der Narr\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), englishList()));
    Preferences preferences;
    preferences.setLanguage(QStringLiteral("../Evil"));
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QCOMPARE(data.uiText(UiText::Ok), QStringLiteral("OK"));
    QVERIFY(!data.languageComplete());
}

void TestProgramData::binaryJunkListsAreNotTexts()
{
    // Lists of binary junk give no texts and no titles: English is shown
    // and the language is reported incomplete.
    QByteArray junk;
    for (int i = 0; i < 4000; ++i)
        junk.append(char(1 + (i * 7919) % 255));
    QVERIFY(writeFile(QStringLiteral("Langs/Junk/List.lng"), junk));
    QVERIFY(writeFile(QStringLiteral("Langs/Junk/Cards.lng"), junk));
    Preferences preferences;
    preferences.setLanguage(QStringLiteral("Junk"));
    ProgramData data(m_dir->path());
    data.loadLanguage(preferences);
    QCOMPARE(data.uiText(UiText::MenuReadings), UiTextTable().string(UiText::MenuReadings));
    QVERIFY(!data.languageComplete());
    QTemporaryDir empty;
    ProgramData builtin(empty.path());
    builtin.loadLanguage(Preferences());
    QCOMPARE(data.cardTitle(0), builtin.cardTitle(0));
}

QTEST_GUILESS_MAIN(TestProgramData)
#include "test_ProgramData.moc"
