// Checks where meaning texts are looked up (deck, language, English, in that
// order, with reversed cards kept to their own files) and where they are saved.
#include "core/cards/MeaningText.h"

#include "TestFiles.h"
#include "TinyDisk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestMeaningText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookupOrder_data();
    void lookupOrder();
    void reversedUsesOnlyReversedFiles();
    void saveTargets_data();
    void saveTargets();
    void failedWriteIsReportedAndOtherTargetWritten();
    void fullDiskKeepsTheDefaultText();

private:
    MeaningText::Source source(bool reversed = false) const;
    [[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes);
    QByteArray readFile(const QString &path);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMeaningText::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QDir root(m_dir->path());
    QVERIFY(root.mkpath(QStringLiteral("Pics/Deck")));
    QVERIFY(root.mkpath(QStringLiteral("Langs/Testish/Texts")));
    QVERIFY(root.mkpath(QStringLiteral("Langs/English/Texts")));
}

MeaningText::Source TestMeaningText::source(bool reversed) const
{
    return {m_dir->path(), QStringLiteral("Deck"), QStringLiteral("Testish"), 12, reversed};
}

bool TestMeaningText::writeFile(const QString &path, const QByteArray &bytes)
{
    return writeTestFile(path, bytes);
}

QByteArray TestMeaningText::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestMeaningText::lookupOrder_data()
{
    // Contents of the three files; null for a missing file.
    QTest::addColumn<QByteArray>("deck");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("deck first") << QByteArray("deck") << QByteArray("lang") << QByteArray("en")
                                << QByteArray("deck");
    QTest::newRow("no deck file") << QByteArray() << QByteArray("lang") << QByteArray("en")
                                  << QByteArray("lang");
    QTest::newRow("empty deck file")
        << QByteArray("") << QByteArray("lang") << QByteArray("en") << QByteArray("lang");
    QTest::newRow("english last") << QByteArray("") << QByteArray() << QByteArray("en")
                                  << QByteArray("en");
    // An existing but empty language file is chosen over English all the same.
    QTest::newRow("empty language file")
        << QByteArray() << QByteArray("") << QByteArray("en") << QByteArray("");
}

void TestMeaningText::lookupOrder()
{
    QFETCH(QByteArray, deck);
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, expected);
    const auto place = [this](const QByteArray &bytes, const QString &path) {
        return bytes.isNull() || writeFile(path, bytes);
    };
    QVERIFY(place(deck, MeaningText::deckPath(source())));
    QVERIFY(place(language, MeaningText::languagePath(source())));
    QVERIFY(place(english, MeaningText::englishPath(source())));
    QCOMPARE(MeaningText::lookup(source()), expected);
}

void TestMeaningText::reversedUsesOnlyReversedFiles()
{
    const QString dir = m_dir->path();
    QCOMPARE(MeaningText::deckPath(source(true)), dir + QStringLiteral("/Pics/Deck/12r.txt"));
    QCOMPARE(MeaningText::languagePath(source()),
             dir + QStringLiteral("/Langs/Testish/Texts/12.txt"));
    QVERIFY(writeFile(MeaningText::deckPath(source()), "upright deck"));
    QVERIFY(writeFile(MeaningText::languagePath(source()), "upright language"));
    QVERIFY(writeFile(MeaningText::englishPath(source()), "upright english"));

    // No reversed file anywhere: the text names the English file looked for.
    const QString englishReversed = dir + QStringLiteral("/Langs/English/Texts/12r.txt");
    QCOMPARE(MeaningText::lookup(source(true)),
             QDir::toNativeSeparators(englishReversed).toLocal8Bit());

    QVERIFY(writeFile(englishReversed, "reversed english"));
    QCOMPARE(MeaningText::lookup(source(true)), QByteArray("reversed english"));
}

void TestMeaningText::saveTargets_data()
{
    QTest::addColumn<bool>("withDeck");
    QTest::addColumn<bool>("asDefault");
    QTest::addColumn<bool>("languageHasFile");
    QTest::addColumn<QByteArray>("deck");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("english");

    const QByteArray missing("<missing>");
    const QByteArray old("old");
    QTest::newRow("nothing chosen") << false << false << true << missing << old << missing;
    QTest::newRow("deck only") << true << false << true << QByteArray("new") << old << missing;
    QTest::newRow("default in language")
        << false << true << true << missing << QByteArray("new") << missing;
    QTest::newRow("default falls to english")
        << false << true << false << missing << missing << QByteArray("new");
    QTest::newRow("both") << true << true << true << QByteArray("new") << QByteArray("new")
                          << missing;
}

void TestMeaningText::saveTargets()
{
    QFETCH(bool, withDeck);
    QFETCH(bool, asDefault);
    QFETCH(bool, languageHasFile);
    if (languageHasFile)
        QVERIFY(writeFile(MeaningText::languagePath(source()), "old"));

    QString error = QStringLiteral("stale");
    QVERIFY(MeaningText::save(source(), "new", withDeck, asDefault, &error));
    QCOMPARE(error, QString());
    QTEST(readFile(MeaningText::deckPath(source())), "deck");
    QTEST(readFile(MeaningText::languagePath(source())), "language");
    QTEST(readFile(MeaningText::englishPath(source())), "english");
}

void TestMeaningText::failedWriteIsReportedAndOtherTargetWritten()
{
    MeaningText::Source noDeckFolder = source();
    noDeckFolder.deckName = QStringLiteral("Gone");
    QString error;
    QVERIFY(!MeaningText::save(noDeckFolder, "new", true, true, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(MeaningText::deckPath(noDeckFolder))),
             qPrintable(error));
    QCOMPARE(error.count(QLatin1Char('\n')), 0);
    QCOMPARE(readFile(MeaningText::englishPath(source())), QByteArray("new"));
}

void TestMeaningText::fullDiskKeepsTheDefaultText()
{
    // An edited default meaning that does not fit on the disk must leave the
    // old text in place, not an empty file.
    TinyDisk disk;
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    QVERIFY(QDir(disk.filePath(QString())).mkpath(QStringLiteral("Langs/English/Texts")));
    const MeaningText::Source onDisk{disk.filePath(QString()), QStringLiteral("Deck"),
                                     QStringLiteral("English"), 12, false};
    QVERIFY(writeFile(MeaningText::englishPath(onDisk), "The old meaning."));
    QVERIFY(disk.fill());

    QString error;
    QVERIFY(!MeaningText::save(onDisk, QByteArray(300, 'm'), false, true, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(MeaningText::englishPath(onDisk))),
             qPrintable(error));
    QCOMPARE(readFile(MeaningText::englishPath(onDisk)), QByteArray("The old meaning."));
}

QTEST_MAIN(TestMeaningText)
#include "test_MeaningText.moc"
