// Checks how a language's interface texts are read with the English fallback,
// how the language list is found, and that the bundled guides hold together.
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"

#include "TestFiles.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void uiTextsFallBackToEnglish();
    void bundledListHasEveryLine();
    void bundledGuidesLinkOnlyWhatExists_data();
    void bundledGuidesLinkOnlyWhatExists();
    void languageEntriesSkipDotNames();

private:
    [[nodiscard]] bool writeFile(const QString &relativePath, const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLanguageFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

bool TestLanguageFiles::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    return writeTestFile(m_dir->filePath(relativePath), bytes);
}

void TestLanguageFiles::uiTextsFallBackToEnglish()
{
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), "OK\r\nCancel\r\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/Deutsch/List.lng"), "OK\r\nAbbrechen\r\n"));
    QDir(m_dir->path()).mkpath(QStringLiteral("Langs/Empty"));
    const QString appDir = m_dir->path();
    QCOMPARE(LanguageFiles::readUiTexts(appDir, QStringLiteral("Deutsch")).value(1),
             QByteArray("Abbrechen"));
    QCOMPARE(LanguageFiles::readUiTexts(appDir, QStringLiteral("Empty")).value(1),
             QByteArray("Cancel"));
    QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("Langs/English/List.lng"))));
    QVERIFY(LanguageFiles::readUiTexts(appDir, QStringLiteral("Empty")).isEmpty());
}

void TestLanguageFiles::bundledListHasEveryLine()
{
    const QString appDir = QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR);
    const QList<QByteArray> lines = LanguageFiles::readUiTexts(appDir, QStringLiteral("English"));
    QCOMPARE(lines.size(), UiText::CardPictureRefused + 1);
    QCOMPARE(lines.at(0), QByteArray("OK"));
    QCOMPARE(lines.at(62), QByteArray("Shuffle"));
    QCOMPARE(lines.at(137), QByteArray("Cut deck"));
    QCOMPARE(lines.at(138), QByteArray("In OpenOffice format"));
    QCOMPARE(lines.at(147), QByteArray("This is not a reading file:"));
    QCOMPARE(lines.at(154), QByteArray("The spread could not be saved:"));
    QCOMPARE(lines.at(158),
             QByteArray("This format is not available yet. Choose \"In HTML format\" "
                        "to print the reading."));
    QCOMPARE(lines.at(160), QByteArray("In PDF format"));
    QCOMPARE(lines.at(161), QByteArray("On a printer"));
    QCOMPARE(lines.at(165), QByteArray("Now playing: %1"));
    QCOMPARE(lines.at(183), QByteArray("Home"));
    QCOMPARE(lines.at(190), QByteArray("Fan of %1 face-down cards"));
    QCOMPARE(lines.at(UiText::CardPictureRefused), QByteArray("The card picture cannot be shown:"));
    QVERIFY(lines.at(39).isEmpty());
    for (int used :
         {44,  45,  65,  66,  74,  75,  78,  79,  80,  92,  106, 107, 108, 109, 115, 116, 117, 119,
          120, 121, 122, 125, 126, 127, 128, 131, 132, 133, 134, 135, 136, 139, 140, 141, 142, 143,
          144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 184})
        QVERIFY2(!lines.at(used).isEmpty(), qPrintable(QString::number(used)));
}

namespace {

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace

void TestLanguageFiles::bundledGuidesLinkOnlyWhatExists_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("Russian") << QStringLiteral("Russian");
}

void TestLanguageFiles::bundledGuidesLinkOnlyWhatExists()
{
    // Every picture a guide shows lies beside it, every in-page link has its
    // target, and both guides share their section names, so the help window
    // stays at the same section when the language changes.
    QFETCH(QString, language);
    const QString appDir = QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR);
    const QString guide = LanguageFiles::helpGuide(appDir, language);
    QCOMPARE(guide, appDir + QStringLiteral("/Langs/") + language + QStringLiteral("/Doded.htm"));
    QFile file(guide);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("<meta charset=\"utf-8\">"));
    const QString html = QString::fromUtf8(bytes);
    QVERIFY(!html.contains(QChar::ReplacementCharacter));

    const QStringList pictures = matches(html, QStringLiteral("<img src=\"([^\"]+)\""));
    QVERIFY(pictures.size() >= 5);
    for (const QString &picture : pictures) {
        const QImage image(QFileInfo(guide).dir().filePath(picture));
        QVERIFY2(!image.isNull(), qPrintable(picture));
    }
    const QStringList targets = matches(html, QStringLiteral("<a name=\"([^\"]+)\""));
    QVERIFY(targets.size() >= 10);
    for (const QString &link : matches(html, QStringLiteral("<a href=\"#([^\"]+)\"")))
        QVERIFY2(targets.contains(link), qPrintable(link));

    QFile english(LanguageFiles::helpGuide(appDir, QStringLiteral("English")));
    QVERIFY(english.open(QIODevice::ReadOnly));
    QCOMPARE(targets,
             matches(QString::fromUtf8(english.readAll()), QStringLiteral("<a name=\"([^\"]+)\"")));
}

void TestLanguageFiles::languageEntriesSkipDotNames()
{
    QVERIFY(writeFile(QStringLiteral("Langs/English/List.lng"), "OK\r\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/.hidden/List.lng"), "OK\r\n"));
    QVERIFY(writeFile(QStringLiteral("Langs/readme.txt"), "plain file"));
    QVERIFY(writeFile(QStringLiteral("Langs/.keep"), ""));
    QDir(m_dir->path()).mkpath(QStringLiteral("Langs/Deutsch"));
    QStringList entries = LanguageFiles::languageEntries(m_dir->path());
    entries.sort();
    QCOMPARE(entries, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"),
                                   QStringLiteral("readme.txt")}));
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "test_LanguageFiles.moc"
