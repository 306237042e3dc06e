// Checks how a language's interface texts are read with the English fallback,
// and how the help file and the language list are found.
#include "core/lang/LanguageFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void uiTextsFallBackToEnglish();
    void bundledListHasEveryLine();
    void helpFileOnlyRussianUsesChm();
    void contentsPrefersChmThenHtml();
    void languageEntriesSkipDotNames();

private:
    void writeFile(const QString &relativePath, const QByteArray &bytes);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLanguageFiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLanguageFiles::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_dir->filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestLanguageFiles::uiTextsFallBackToEnglish()
{
    writeFile(QStringLiteral("Langs/English/List.lng"), "OK\r\nCancel\r\n");
    writeFile(QStringLiteral("Langs/Deutsch/List.lng"), "OK\r\nAbbrechen\r\n");
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
    QCOMPARE(lines.size(), 181);
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
    QVERIFY(lines.at(39).isEmpty());
    for (int used :
         {44,  45,  65,  66,  74,  75,  78,  79,  80,  92,  106, 107, 108, 109, 115, 116, 117, 119,
          120, 121, 122, 125, 126, 127, 128, 131, 132, 133, 134, 135, 136, 139, 140, 141, 142, 143,
          144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159})
        QVERIFY2(!lines.at(used).isEmpty(), qPrintable(QString::number(used)));
}

void TestLanguageFiles::helpFileOnlyRussianUsesChm()
{
    const QString appDir = m_dir->path();
    writeFile(QStringLiteral("Langs/Russian/Doded.hlp"), "h");
    writeFile(QStringLiteral("Langs/Russian/Doded.chm"), "c");
    writeFile(QStringLiteral("Langs/russian/Doded.hlp"), "h");
    writeFile(QStringLiteral("Langs/russian/Doded.chm"), "c");
    writeFile(QStringLiteral("Langs/English/Doded.chm"), "c");
    const QString before = QStringLiteral("/before.hlp");
    QCOMPARE(LanguageFiles::helpFileFor(appDir, QStringLiteral("Russian"), before),
             appDir + QStringLiteral("/Langs/Russian/Doded.chm"));
    QCOMPARE(LanguageFiles::helpFileFor(appDir, QStringLiteral("russian"), before),
             appDir + QStringLiteral("/Langs/russian/Doded.hlp"));
    QCOMPARE(LanguageFiles::helpFileFor(appDir, QStringLiteral("English"), before), before);
}

void TestLanguageFiles::contentsPrefersChmThenHtml()
{
    const QString appDir = m_dir->path();
    writeFile(QStringLiteral("Langs/English/Doded.htm"), "<html></html>");
    QCOMPARE(LanguageFiles::contentsDocument(appDir, QStringLiteral("English")),
             appDir + QStringLiteral("/Langs/English/Doded.htm"));
    writeFile(QStringLiteral("Langs/English/Doded.chm"), "c");
    QCOMPARE(LanguageFiles::contentsDocument(appDir, QStringLiteral("English")),
             appDir + QStringLiteral("/Langs/English/Doded.chm"));
}

void TestLanguageFiles::languageEntriesSkipDotNames()
{
    writeFile(QStringLiteral("Langs/English/List.lng"), "OK\r\n");
    writeFile(QStringLiteral("Langs/.hidden/List.lng"), "OK\r\n");
    writeFile(QStringLiteral("Langs/readme.txt"), "plain file");
    writeFile(QStringLiteral("Langs/.keep"), "");
    QDir(m_dir->path()).mkpath(QStringLiteral("Langs/Deutsch"));
    QStringList entries = LanguageFiles::languageEntries(m_dir->path());
    entries.sort();
    QCOMPARE(entries, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"),
                                   QStringLiteral("readme.txt")}));
}

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "test_LanguageFiles.moc"
