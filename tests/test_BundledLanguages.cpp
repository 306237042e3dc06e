// The language files the program ships: every language gives as many
// interface lines and card lines as English, and a Russian list saved in the
// Windows-1251 code page reads as the UTF-8 one does.
#include "core/lang/CardTitles.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiTextTable.h"
#include "core/util/TextCodec.h"
#include "core/util/TextLines.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The language folders of the source tree, which the build copies.
QString sourceLangs()
{
    return QStringLiteral(QT_TESTCASE_SOURCEDIR) + QStringLiteral("/../data/Langs");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBundledLanguages : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasTheEnglishLineCount_data();
    void everyLanguageHasTheEnglishLineCount();
    void windows1251ListReadsAsTheUtf8One();
};

void TestBundledLanguages::everyLanguageHasTheEnglishLineCount_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileName");
    const QStringList languages = QDir(sourceLangs()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(languages.contains(QStringLiteral("Russian")));
    for (const QString &language : languages) {
        if (language == QLatin1String("English"))
            continue;
        for (const char *file : {"List.lng", "Cards.lng"})
            QTest::addRow("%s %s", qPrintable(language), file) << language << file;
    }
}

void TestBundledLanguages::everyLanguageHasTheEnglishLineCount()
{
    QFETCH(QString, language);
    QFETCH(QString, fileName);
    const QByteArray english = readAll(sourceLangs() + QStringLiteral("/English/") + fileName);
    const QByteArray own =
        readAll(sourceLangs() + QLatin1Char('/') + language + QLatin1Char('/') + fileName);
    QVERIFY(!english.isEmpty());
    QVERIFY(!own.isEmpty());
    // Lines are found by their position, so one line more or less in either
    // file shifts every later text.
    QCOMPARE(TextLines::split(own).size(), TextLines::split(english).size());
    QVERIFY(own.endsWith("\r\n"));
    QCOMPARE(own.count('\n'), own.count("\r\n"));
    QCOMPARE(TextCodec::detect(own, language), TextCodec::Encoding::Utf8);
}

void TestBundledLanguages::windows1251ListReadsAsTheUtf8One()
{
    const QString iconv = QStandardPaths::findExecutable(QStringLiteral("iconv"));
    if (iconv.isEmpty())
        QSKIP("iconv is not installed");
    QTemporaryDir utf8Dir;
    QTemporaryDir codePageDir;
    QVERIFY(utf8Dir.isValid() && codePageDir.isValid());
    for (const QString &file : {QStringLiteral("List.lng"), QStringLiteral("Cards.lng")}) {
        const QString source = sourceLangs() + QStringLiteral("/Russian/") + file;
        QVERIFY(QDir(utf8Dir.path()).mkpath(QStringLiteral("Langs/Russian")));
        QVERIFY(QFile::copy(source, utf8Dir.filePath(QStringLiteral("Langs/Russian/") + file)));
        QProcess convert;
        convert.setStandardOutputFile(
            codePageDir.filePath(QStringLiteral("Langs/Russian/") + file));
        QVERIFY(QDir(codePageDir.path()).mkpath(QStringLiteral("Langs/Russian")));
        convert.start(iconv, {QStringLiteral("-f"), QStringLiteral("UTF-8"), QStringLiteral("-t"),
                              QStringLiteral("WINDOWS-1251"), source});
        QVERIFY(convert.waitForFinished());
        QCOMPARE(convert.exitCode(), 0);
    }
    const QString russian = QStringLiteral("Russian");
    QVERIFY(readAll(codePageDir.filePath(QStringLiteral("Langs/Russian/List.lng"))) !=
            readAll(utf8Dir.filePath(QStringLiteral("Langs/Russian/List.lng"))));

    UiTextTable utf8;
    UiTextTable codePage;
    for (UiTextTable *table : {&utf8, &codePage})
        table->setLanguage(russian);
    utf8.replace(LanguageFiles::readUiTexts(utf8Dir.path(), russian));
    codePage.replace(LanguageFiles::readUiTexts(codePageDir.path(), russian));
    QCOMPARE(codePage.count(), utf8.count());
    for (int index = 0; index < utf8.count(); ++index)
        QCOMPARE(codePage.string(index), utf8.string(index));
    QCOMPARE(codePage.string(2), QStringLiteral("Гадание"));

    CardTitles::Table utf8Titles;
    CardTitles::Table codePageTitles;
    CardTitles::load(utf8Titles, utf8Dir.path(), russian, false, {});
    CardTitles::load(codePageTitles, codePageDir.path(), russian, false, {});
    for (int card = 0; card < 79; ++card) {
        QCOMPARE(TextCodec::decode(codePageTitles[card], russian),
                 TextCodec::decode(utf8Titles[card], russian));
    }
    QCOMPARE(TextCodec::decode(codePageTitles[11], russian), QStringLiteral("XI. Сила"));
}

QTEST_MAIN(TestBundledLanguages)
#include "test_BundledLanguages.moc"
