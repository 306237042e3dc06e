// Checks qmfile: every bundled spread, a reading the program writes and the
// golden files of tests/data unpack to text and pack back to the same
// content, a saved reading's report page matches the hand-checked pages, and
// bad input fails with a message and exit code 1; the journal's counts over
// a folder of readings match the readings it holds.
#include "core/readings/ReadingFile.h"
#include "core/util/ScrambledText.h"
#include "core/util/WholeFile.h"
#include "core/util/ZipPackage.h"

#include "GeneratedReadings.h"
#include "NonRegularFiles.h"
#include "TinyDisk.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestQmfile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void bundledSpreadsRoundTrip();
    void badSpreadInputFails();
    void roundTripGivesTheSameFile();
    void goldenFilesMatchTheirSources_data();
    void goldenFilesMatchTheirSources();
    void badInputFails_data();
    void badInputFails();
    void packOnFullDiskFails();
    void unpackRefusesWhatPackCannotRead_data();
    void unpackRefusesWhatPackCannotRead();
    void reportOfSavedReading_data();
    void reportOfSavedReading();
    void documentsOfSavedReading_data();
    void documentsOfSavedReading();
    void badReportArgumentsFail_data();
    void badReportArgumentsFail();
    void specialReadingIsRefusedAtOnce_data();
    void specialReadingIsRefusedAtOnce();
    void specialCardPictureIsReportedAtOnce_data();
    void specialCardPictureIsReportedAtOnce();
    void journalStatsCountTheReadings_data();
    void journalStatsCountTheReadings();
    void terminatedReportEndsAtOnceLeavingNoDocument();

private:
    int qmfile(const QStringList &arguments, QByteArray *output = nullptr,
               QByteArray *errors = nullptr);
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // A program folder that links the bundled pictures, languages and spreads.
    QString linkedProgramFolder();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestQmfile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

int TestQmfile::qmfile(const QStringList &arguments, QByteArray *output, QByteArray *errors)
{
    QProcess process;
    process.start(QStringLiteral(QMFILE_PATH), arguments);
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestQmfile::bundledSpreadsRoundTrip()
{
    const QDir sources(QStringLiteral(SPREAD_SOURCES));
    const QStringList names = sources.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(names.size() >= 9);
    for (const QString &name : names) {
        QByteArray source;
        QVERIFY(WholeFile::read(sources.filePath(name), source));
        const QString packed = path(name + QStringLiteral(".spread"));
        QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("pack"), sources.filePath(name),
                         packed}),
                 0);
        QByteArray text;
        QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("unpack"), packed}, &text), 0);
        QCOMPARE(text, QByteArray(source).replace("\r\n", "\n"));

        // The copy the build installed beside the program holds the same.
        const QString installed = QStringLiteral(INSTALLED_SPREADS "/") +
                                  QFileInfo(name).completeBaseName() + QStringLiteral(".spread");
        QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("unpack"), installed}, &text), 0);
        QCOMPARE(text, QByteArray(source).replace("\r\n", "\n"));
    }
}

void TestQmfile::badSpreadInputFails()
{
    QVERIFY(WholeFile::write(path(QStringLiteral("plain.spread")), "xxxxxx1\r\nxxxxxx1,1,a\r\n"));
    QVERIFY(WholeFile::write(path(QStringLiteral("short.txt")), "2\n1,1,a\n"));
    QByteArray errors;
    QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("unpack"),
                     path(QStringLiteral("plain.spread"))},
                    nullptr, &errors),
             1);
    QVERIFY(errors.contains("not a readable spread file"));
    QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("pack"),
                     path(QStringLiteral("short.txt")), path(QStringLiteral("out.spread"))},
                    nullptr, &errors),
             1);
    QVERIFY(errors.contains("2 positions but 1"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.spread"))));

    // Texts and files the table could not lay are refused both ways, with the fault named.
    QVERIFY(WholeFile::write(path(QStringLiteral("none.txt")), "0\n"));
    QVERIFY(WholeFile::write(path(QStringLiteral("late.txt")), "2\n1,1,a\nS2,2,b\n"));
    for (const QString &text : {QStringLiteral("none.txt"), QStringLiteral("late.txt")}) {
        QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("pack"), path(text),
                         path(QStringLiteral("out.spread"))},
                        nullptr, &errors),
                 1);
        QVERIFY(errors.contains(text.toLatin1()));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("out.spread"))));
    }
    QVERIFY(errors.contains("position 2 is a significator after an ordinary position"));
    QVERIFY(WholeFile::write(path(QStringLiteral("long.spread")),
                             ScrambledText::scramble("pppppp1\r\npppppp1,1,a\r\npppppp2,2,b\r\n")));
    QByteArray output;
    QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("unpack"),
                     path(QStringLiteral("long.spread"))},
                    &output, &errors),
             1);
    QVERIFY(output.isEmpty());
    QVERIFY(errors.contains("long.spread"));
    QVERIFY(errors.contains("announces 1 positions but holds 2"));
}

void TestQmfile::roundTripGivesTheSameFile()
{
    ReadingFile reading;
    reading.spreadName = "Seven Cards";
    for (int number = 0; number < 79; ++number)
        reading.cards.append({quint32((number * 7) % 79), number % 4 == 1});
    reading.positions = {0, 7, 14, 78};
    // Comments that begin like position lines still pack to the same bytes.
    reading.comments = "3\r\n14\r\nthird line";
    QVERIFY(reading.save(path(QStringLiteral("a.reading"))));

    QByteArray text;
    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("unpack"),
                     path(QStringLiteral("a.reading")), QStringLiteral("4")},
                    &text),
             0);
    QVERIFY(text.startsWith("format current\nspread Seven Cards\ndeck 79\n0\n7 r\n14\n"));
    QVERIFY(text.contains("\npositions 4\n0\n7\n14\n78\ncomments\n3\r\n14\r\nthird line"));
    QVERIFY(WholeFile::write(path(QStringLiteral("a.txt")), text));
    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("pack"),
                     path(QStringLiteral("a.txt")), path(QStringLiteral("b.reading"))}),
             0);

    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("unpack"),
                     path(QStringLiteral("a.reading"))},
                    &text),
             0);
    QVERIFY(text.contains("\npositions 6\n"));
    QVERIFY(WholeFile::write(path(QStringLiteral("c.txt")), text));
    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("pack"),
                     path(QStringLiteral("c.txt")), path(QStringLiteral("c.reading"))}),
             0);

    QByteArray original;
    QByteArray packed;
    QByteArray guessed;
    QVERIFY(WholeFile::read(path(QStringLiteral("a.reading")), original));
    QVERIFY(WholeFile::read(path(QStringLiteral("b.reading")), packed));
    QVERIFY(WholeFile::read(path(QStringLiteral("c.reading")), guessed));
    QCOMPARE(packed, original);
    QCOMPARE(guessed, original);
}

void TestQmfile::goldenFilesMatchTheirSources_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("positions");
    QTest::newRow("current reading") << "reading"
                                     << "celtic-cross.reading" << QStringList{"10"};
    QTest::newRow("older reading") << "reading"
                                   << "three-cards-older.reading" << QStringList{"3"};
    QTest::newRow("spread") << "spread"
                            << "celtic-cross.spread" << QStringList();
    QTest::newRow("spread with significators") << "spread"
                                               << "two-significators.spread" << QStringList();
}

void TestQmfile::goldenFilesMatchTheirSources()
{
    // Each file in tests/data is packed from the text beside it: unpacked it
    // gives that text, and a reading packs back to the same bytes (a spread's
    // line prefixes are drawn afresh each time).
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QFETCH(QStringList, positions);
    const QString golden = QFINDTESTDATA(QStringLiteral("data/") + file);
    const QString source = QFINDTESTDATA(QStringLiteral("data/") + file + QStringLiteral(".txt"));
    QVERIFY(!golden.isEmpty() && !source.isEmpty());
    QByteArray sourceText;
    QByteArray goldenBytes;
    QVERIFY(WholeFile::read(source, sourceText));
    QVERIFY(WholeFile::read(golden, goldenBytes));

    QByteArray text;
    QCOMPARE(qmfile(QStringList{kind, QStringLiteral("unpack"), golden} + positions, &text), 0);
    QCOMPARE(text, sourceText);
    if (kind == QLatin1String("reading")) {
        QCOMPARE(qmfile({kind, QStringLiteral("pack"), source, path(file)}), 0);
        QByteArray packed;
        QVERIFY(WholeFile::read(path(file), packed));
        QCOMPARE(packed, goldenBytes);
    }
}

void TestQmfile::badInputFails_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("damaged file") << QStringList{QStringLiteral("unpack"), QStringLiteral("in")}
                                  << QByteArray("!updatedformat!\xcd\xcd\xf2");
    QTest::newRow("empty file") << QStringList{QStringLiteral("unpack"), QStringLiteral("in")}
                                << QByteArray();
    QTest::newRow("missing file") << QStringList{QStringLiteral("unpack"), QStringLiteral("none")}
                                  << QByteArray("x");
    QTest::newRow("bad text") << QStringList{QStringLiteral("pack"), QStringLiteral("in"),
                                             QStringLiteral("out")}
                              << QByteArray("format current\nspread Q\ndeck 3\n");
    QByteArray older22 = "format older\nspread Q\ndeck 22\n";
    for (int number = 0; number < 22; ++number)
        older22 += QByteArray::number(number) + '\n';
    QTest::newRow("older format without 78 deck lines")
        << QStringList{QStringLiteral("pack"), QStringLiteral("in"), QStringLiteral("out")}
        << older22 + "positions 0\ncomments\n";
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("show"), QStringLiteral("in")} << QByteArray("x");
}

void TestQmfile::badInputFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QVERIFY(WholeFile::write(path(QStringLiteral("in")), input));
    for (qsizetype i = 1; i < arguments.size(); ++i)
        arguments[i] = path(arguments[i]);
    arguments.prepend(QStringLiteral("reading"));
    QByteArray output;
    QByteArray errors;
    QCOMPARE(qmfile(arguments, &output, &errors), 1);
    QVERIFY(output.isEmpty());
    QVERIFY(errors.startsWith("qmfile: "));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("out"))));
}

void TestQmfile::packOnFullDiskFails()
{
    // Packing onto a full disk must fail loudly and write nothing, for both
    // kinds of file.
    TinyDisk disk;
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    QVERIFY(disk.fill());
    const QDir sources(QStringLiteral(SPREAD_SOURCES));
    const QString spreadSource =
        sources.filePath(sources.entryList({QStringLiteral("*.txt")}, QDir::Files).value(0));
    const QString spreadOut = disk.filePath(QStringLiteral("packed.spread"));
    QByteArray errors;
    QCOMPARE(qmfile({QStringLiteral("spread"), QStringLiteral("pack"), spreadSource, spreadOut},
                    nullptr, &errors),
             1);
    QVERIFY2(errors.contains(spreadOut.toUtf8()), errors.constData());
    QVERIFY(!QFileInfo::exists(spreadOut));

    QByteArray readingText = "format current\nspread Q\ndeck 78\n";
    for (int number = 1; number <= 78; ++number)
        readingText += QByteArray::number(number) + '\n';
    readingText += "positions 0\ncomments\n";
    QVERIFY(WholeFile::write(path(QStringLiteral("reading.txt")), readingText));
    // The text itself must pack where there is room, or the check below proves nothing.
    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("pack"),
                     path(QStringLiteral("reading.txt")), path(QStringLiteral("reading.sav"))}),
             0);
    const QString readingOut = disk.filePath(QStringLiteral("reading.sav"));
    QCOMPARE(qmfile({QStringLiteral("reading"), QStringLiteral("pack"),
                     path(QStringLiteral("reading.txt")), readingOut},
                    nullptr, &errors),
             1);
    QVERIFY2(errors.contains(readingOut.toUtf8()), errors.constData());
    QVERIFY(!QFileInfo::exists(readingOut));

    // Unpacking into a full output says so too.
    QProcess unpack;
    unpack.setStandardOutputFile(QStringLiteral("/dev/full"));
    unpack.start(QStringLiteral(QMFILE_PATH), {QStringLiteral("reading"), QStringLiteral("unpack"),
                                               path(QStringLiteral("reading.sav"))});
    QVERIFY(unpack.waitForFinished(30000));
    QCOMPARE(unpack.exitCode(), 1);
    QVERIFY(unpack.readAllStandardError().startsWith("qmfile: "));
}

QString TestQmfile::linkedProgramFolder()
{
    const QDir bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR));
    const QString folder = path(QStringLiteral("program"));
    if (!QDir().mkpath(folder))
        return QString();
    for (const char *name : {"Pics", "Langs", "Spreads"})
        if (!QFile::link(bundled.filePath(QLatin1String(name)),
                         QDir(folder).filePath(QLatin1String(name))))
            return QString();
    return folder;
}

void TestQmfile::unpackRefusesWhatPackCannotRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QString>("fault");
    ReadingFile reading;
    for (int number = 0; number < 22; ++number)
        reading.cards.append({quint32(number), false});
    reading.positions = {4};
    // Other names and comments pack cannot read cannot come from a file:
    // the reader ends lines at a CR or LF and the text at a NUL byte.
    QTest::newRow("empty spread name")
        << QStringLiteral("reading") << reading.write() << QStringLiteral("spread name is empty");
}

void TestQmfile::unpackRefusesWhatPackCannotRead()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, fault);
    QVERIFY(WholeFile::write(path(QStringLiteral("odd")), fileBytes));
    QByteArray output;
    QByteArray errors;
    QCOMPARE(
        qmfile({kind, QStringLiteral("unpack"), path(QStringLiteral("odd"))}, &output, &errors), 1);
    QVERIFY(output.isEmpty());
    QVERIFY2(errors.contains(fault.toUtf8()), errors.constData());
}

void TestQmfile::reportOfSavedReading_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("golden");
    QTest::newRow("all options on")
        << QStringList{QStringLiteral("--big-cards"), QStringLiteral("--schematic")}
        << QStringLiteral("data/celtic-cross-all-on.htm");
    QTest::newRow("all options off")
        << QStringList{QStringLiteral("--no-spread-view"), QStringLiteral("--no-big-cards"),
                       QStringLiteral("--no-explanations")}
        << QStringLiteral("data/celtic-cross-all-off.htm");
}

void TestQmfile::reportOfSavedReading()
{
    QFETCH(QStringList, options);
    QFETCH(QString, golden);
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    const QString out = path(QStringLiteral("out/evening"));
    QByteArray output;
    QByteArray errors;
    QCOMPARE(qmfile(QStringList{QStringLiteral("report"), QStringLiteral("html"),
                                QFINDTESTDATA("data/celtic-cross.reading"), out,
                                QStringLiteral("--data"), program, QStringLiteral("--deck"),
                                QStringLiteral("Veldmere")} +
                        options,
                    &output, &errors),
             0);
    const QString page = QDir(out).filePath(QStringLiteral("report.htm"));
    QCOMPARE(output.trimmed(), page.toLocal8Bit());
    QByteArray written;
    QByteArray expected;
    QVERIFY(WholeFile::read(page, written));
    QVERIFY(WholeFile::read(QFINDTESTDATA(golden), expected));
    QCOMPARE(written, expected);
    for (const QString &picture :
         {QStringLiteral("0.png"), QStringLiteral("9.png"), QStringLiteral("1000.png")})
        QVERIFY(QFileInfo::exists(QDir(out).filePath(picture)));

    QCOMPARE(qmfile({QStringLiteral("--help")}, &output), 0);
    QVERIFY(output.contains("qmfile report html|docx|odt|pdf READING OUT --data DIR"));
}

void TestQmfile::documentsOfSavedReading_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("content");
    QTest::newRow("Word") << QStringLiteral("docx") << QStringLiteral("word/document.xml");
    QTest::newRow("OpenDocument") << QStringLiteral("odt") << QStringLiteral("content.xml");
    QTest::newRow("PDF") << QStringLiteral("pdf") << QString();
}

void TestQmfile::documentsOfSavedReading()
{
    QFETCH(QString, format);
    QFETCH(QString, content);
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    const QString out = path(QStringLiteral("out/documents"));
    QByteArray output;
    QByteArray errors;
    QCOMPARE(qmfile(QStringList{QStringLiteral("report"), format,
                                QFINDTESTDATA("data/celtic-cross.reading"), out,
                                QStringLiteral("--data"), program, QStringLiteral("--deck"),
                                QStringLiteral("Veldmere"), QStringLiteral("--big-cards")},
                    &output, &errors),
             0);
    const QString document = QDir(out).filePath(QStringLiteral("report.") + format);
    QCOMPARE(output.trimmed(), document.toLocal8Bit());
    if (content.isEmpty()) {
        QFile file(document);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
        return;
    }
    // The spread picture and the ten cards' pictures travel inside the document.
    ZipPackage package;
    QString error;
    QVERIFY2(package.read(document, &error), qPrintable(error));
    QVERIFY(package.part(content).contains("Celtic Cross ("));
    int pictures = 0;
    for (const ZipPackage::Part &part : package.parts())
        pictures += part.name.endsWith(QLatin1String(".png"));
    QCOMPARE(pictures, 11);

    // A format the command does not know is refused with its usage.
    QCOMPARE(qmfile(QStringList{QStringLiteral("report"), QStringLiteral("rtf"),
                                QFINDTESTDATA("data/celtic-cross.reading"), out,
                                QStringLiteral("--data"), program},
                    &output, &errors),
             1);
    QVERIFY(errors.contains("report html|docx|odt|pdf READING OUT"));
}

void TestQmfile::badReportArgumentsFail_data()
{
    QTest::addColumn<QStringList>("arguments");
    // What the message says the user should change.
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("no program folder") << QStringList{} << QByteArray("--data DIR");
    QTest::newRow("unknown deck") << QStringList{QStringLiteral("--data"),
                                                 QStringLiteral("PROGRAM"),
                                                 QStringLiteral("--deck"),
                                                 QStringLiteral("Nowhere")}
                                  << QByteArray("Nowhere: no deck");
    QTest::newRow("unknown language")
        << QStringList{QStringLiteral("--data"), QStringLiteral("PROGRAM"),
                       QStringLiteral("--language"), QStringLiteral("Klingon")}
        << QByteArray("Klingon: no language");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--data"), QStringLiteral("PROGRAM"),
                       QStringLiteral("--colour")}
        << QByteArray("unknown option --colour");
    // The bundled default deck lacks the 79th card the reading needs: the option that
    // chooses another is named, with the decks that would do, never the program's menu.
    QTest::newRow("reading the deck cannot lay")
        << QStringList{QStringLiteral("--data"), QStringLiteral("PROGRAM")}
        << QByteArray("give one with --deck NAME (here: Veldmere)");
}

void TestQmfile::badReportArgumentsFail()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, said);
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    arguments.replaceInStrings(QStringLiteral("PROGRAM"), program);
    const QString out = path(QStringLiteral("out"));
    QByteArray output;
    QByteArray errors;
    QCOMPARE(qmfile(QStringList{QStringLiteral("report"), QStringLiteral("html"),
                                QFINDTESTDATA("data/celtic-cross.reading"), out} +
                        arguments,
                    &output, &errors),
             1);
    QVERIFY(output.isEmpty());
    // Qt may warn first about the headless display it runs on.
    QVERIFY2(errors.trimmed().split('\n').last().startsWith("qmfile: "), errors.constData());
    QVERIFY2(errors.contains(said), errors.constData());
    QVERIFY(!errors.contains("Options"));
    QVERIFY(!QFileInfo::exists(QDir(out).filePath(QStringLiteral("report.htm"))));
}

void TestQmfile::specialReadingIsRefusedAtOnce_data()
{
    NonRegularFiles::addRows();
}

void TestQmfile::specialReadingIsRefusedAtOnce()
{
    // A pipe or a device as a reading fails unpacking and reports at once,
    // naming the file.
    QFETCH(QString, kind);
    const QString reading = path(QStringLiteral("special.reading"));
    QVERIFY(NonRegularFiles::make(reading, kind));
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    const QList<QStringList> commands = {
        {QStringLiteral("reading"), QStringLiteral("unpack"), reading},
        {QStringLiteral("report"), QStringLiteral("html"), reading, path(QStringLiteral("out")),
         QStringLiteral("--data"), program}};
    for (const QStringList &command : commands) {
        QElapsedTimer clock;
        clock.start();
        QByteArray errors;
        QCOMPARE(qmfile(command, nullptr, &errors), 1);
        QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
        QVERIFY2(errors.contains(reading.toUtf8()) && errors.contains("not a regular file"),
                 errors.constData());
    }
}

void TestQmfile::specialCardPictureIsReportedAtOnce_data()
{
    NonRegularFiles::addRows();
}

void TestQmfile::specialCardPictureIsReportedAtOnce()
{
    // A deck whose pictures but the first are a pipe or a device still gives
    // its report at once, and each such picture is named.
    QFETCH(QString, kind);
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    const QDir deck(QDir(program).filePath(QStringLiteral("Pics")));
    QVERIFY(QFile::remove(deck.path()) && QDir().mkpath(deck.filePath(QStringLiteral("Veldmere"))));
    const QDir bundled(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Pics/Veldmere"));
    const QString special = path(QStringLiteral("special"));
    QVERIFY(NonRegularFiles::make(special, kind));
    for (const QString &name : bundled.entryList(QDir::Files)) {
        const bool replaced =
            name.endsWith(QStringLiteral(".jpg")) && name != QStringLiteral("0.jpg");
        QVERIFY(QFile::link(replaced ? special : bundled.filePath(name),
                            deck.filePath(QStringLiteral("Veldmere/") + name)));
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray errors;
    QCOMPARE(qmfile({QStringLiteral("report"), QStringLiteral("html"),
                     QFINDTESTDATA("data/celtic-cross.reading"), path(QStringLiteral("out")),
                     QStringLiteral("--data"), program, QStringLiteral("--deck"),
                     QStringLiteral("Veldmere"), QStringLiteral("--big-cards")},
                    nullptr, &errors),
             0);
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QVERIFY2(errors.contains("Veldmere/61.jpg: It is not a regular file"), errors.constData());
}

void TestQmfile::journalStatsCountTheReadings_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    // Which of readings 0..11 the options let through.
    QTest::addColumn<QList<int>>("counted");
    const QList<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QList<int> since;
    for (int i : all) {
        if (GeneratedReadings::dateOf(i) >= QDate(2025, 1, 16))
            since << i;
    }
    QTest::newRow("all") << QStringList() << 0 << all;
    QTest::newRow("since") << QStringList{QStringLiteral("--since"), QStringLiteral("2025-01-16")}
                           << 0 << since;
    QTest::newRow("bad date") << QStringList{QStringLiteral("--since"), QStringLiteral("16.1.25")}
                              << 1 << QList<int>();
    QTest::newRow("bad card") << QStringList{QStringLiteral("--card"), QStringLiteral("79")} << 1
                              << QList<int>();
}

void TestQmfile::journalStatsCountTheReadings()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QList<int>, counted);
    QVERIFY(GeneratedReadings::writeSpreads(m_dir->path()));
    QVERIFY(QDir().mkpath(path(QStringLiteral("Saved"))));
    for (int i = 0; i < 12; ++i)
        QVERIFY(!GeneratedReadings::write(path(QStringLiteral("Saved")), i).isEmpty());
    QVERIFY(WholeFile::write(path(QStringLiteral("Saved/broken.reading")), "junk"));
    QByteArray csv;
    QByteArray errors;
    QCOMPARE(qmfile(QStringList{QStringLiteral("journal"), QStringLiteral("stats"),
                                path(QStringLiteral("Saved")), QStringLiteral("--csv"),
                                QStringLiteral("--data"), m_dir->path()} +
                        options,
                    &csv, &errors),
             exitCode);
    if (exitCode != 0)
        return;
    QVERIFY2(errors.contains("broken.reading"), errors.constData());
    // The counts of the files, worked out from how they were made.
    int reversed = 0;
    QMap<quint32, int> cards;
    for (int i : counted) {
        const ReadingFile reading = GeneratedReadings::readingOf(i);
        for (quint32 number : reading.positions) {
            ++cards[number];
            for (const ReadingFile::DeckCard &slot : reading.cards)
                reversed += slot.number == number && slot.reversed ? 1 : 0;
        }
    }
    const QList<QByteArray> lines = csv.split('\n');
    QVERIFY(lines.contains("readings,,," + QByteArray::number(counted.size()) + "\r"));
    QVERIFY(lines.contains("orientation,reversed,Reversed," + QByteArray::number(reversed) + "\r"));
    for (auto card = cards.cbegin(); card != cards.cend(); ++card) {
        const QByteArray row = "card," + QByteArray::number(card.key()) + ",";
        const auto found =
            std::find_if(lines.cbegin(), lines.cend(),
                         [&row](const QByteArray &line) { return line.startsWith(row); });
        QVERIFY2(found != lines.cend(), row.constData());
        QVERIFY2(found->endsWith("," + QByteArray::number(card.value()) + "\r"),
                 found->constData());
    }
}

void TestQmfile::terminatedReportEndsAtOnceLeavingNoDocument()
{
    // SIGTERM while a report is being read and written ends qmfile at once,
    // and no half-written document is left behind.
    const QString program = linkedProgramFolder();
    QVERIFY(!program.isEmpty());
    const QString out = path(QStringLiteral("out"));
    QProcess report;
    report.start(QStringLiteral(QMFILE_PATH),
                 {QStringLiteral("report"), QStringLiteral("pdf"),
                  QFINDTESTDATA("data/celtic-cross.reading"), out, QStringLiteral("--data"),
                  program, QStringLiteral("--deck"), QStringLiteral("Veldmere"),
                  QStringLiteral("--big-cards")});
    QVERIFY(report.waitForStarted());
    QTest::qWait(100);
    if (report.state() != QProcess::Running)
        QSKIP("The report was done before it could be ended");
    QElapsedTimer clock;
    clock.start();
    report.terminate();
    QVERIFY(report.waitForFinished(NonRegularFiles::PromptMilliseconds));
    QVERIFY(clock.elapsed() < NonRegularFiles::PromptMilliseconds);
    QCOMPARE(report.exitStatus(), QProcess::CrashExit);
    QVERIFY(!QFileInfo::exists(QDir(out).filePath(QStringLiteral("report.pdf"))));
}

QTEST_GUILESS_MAIN(TestQmfile)
#include "test_Qmfile.moc"
