// Checks the report page: a saved reading written with every option on and with every option
// off against pages checked by hand, the escaping of everything the user or a file supplies,
// the meaning texts looked up and decoded, and the names and failures of the written reports.
#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/reports/HtmlReport.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/spreads/Placements.h"
#include "core/util/WholeFile.h"

#include "ReportFixture.h"
#include "SpreadBuilder.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The shared hand-made model without the spread picture, which a page made
// without any files cannot show.
ReportModel pageModel()
{
    ReportModel model = ReportFixture::handMade();
    model.options.spreadView = false;
    return model;
}

} // namespace

class TestHtmlReport : public QObject
{
    Q_OBJECT

private slots:
    void savedReadingPage_data();
    void savedReadingPage();
    void pageParts();
    void userTextIsEscaped();
    void meaningTextsAreFoundAndDecoded();
    void meaningLineBreaks_data();
    void meaningLineBreaks();
    void reportsGetNamesOfTheirOwn();
    void failuresWriteNoPage();
};

void TestHtmlReport::savedReadingPage_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("golden");
    QTest::newRow("all options on") << true << QStringLiteral("data/celtic-cross-all-on.htm");
    QTest::newRow("all options off") << false << QStringLiteral("data/celtic-cross-all-off.htm");
}

void TestHtmlReport::savedReadingPage()
{
    QFETCH(bool, on);
    QFETCH(QString, golden);
    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Veldmere"));
    preferences.setPrintView(on);
    preferences.setPrintSchema(on);
    preferences.setPrintBigCards(on);
    preferences.setPrintExplanations(on);
    ReportModel model;
    QString error;
    QVERIFY2(ReportFixture::savedReading(appDir.path(), preferences, model, &error),
             qPrintable(error));
    const QString temp = QDir(appDir.path()).filePath(QStringLiteral("Temp"));
    QString page;
    const QDateTime when(QDate(2026, 12, 9), QTime(14, 5));
    QCOMPARE(
        ReportMaker::make(model, ReportWriter::Format::Html, {temp, temp, {}, when}, &page, &error),
        ReportMaker::Result::Written);
    // The page lies in a folder of its own, named as the page is.
    const QString name = QStringLiteral("2026-12-09 14.05 - Celtic Cross");
    QCOMPARE(QDir(temp).relativeFilePath(page), name + QLatin1Char('/') + name + ".htm");
    QByteArray written;
    QByteArray expected;
    QVERIFY(WholeFile::read(page, written));
    QVERIFY(WholeFile::read(QFINDTESTDATA(golden), expected));
    QCOMPARE(written, expected);
    // The pictures the page refers to lie beside it, whatever the options.
    const QDir folder = QFileInfo(page).dir();
    for (int i = 0; i < 10; ++i)
        QVERIFY(QImage(folder.filePath(QStringLiteral("%1.png").arg(i))).width() > 0);
    QVERIFY(QImage(folder.filePath(QStringLiteral("1000.png"))).width() > 0);
}

void TestHtmlReport::pageParts()
{
    ReportModel model = pageModel();
    model.comments.clear();
    const QByteArray page = HtmlReport::page(model);
    QVERIFY(
        page.startsWith("<HTML lang=\"en\"><head><meta charset=\"utf-8\"><TITLE>Plain</TITLE>"));
    // Comments wrap when printed, in the font of every report.
    QVERIFY(page.contains("pre { white-space: pre-wrap;"));
    QVERIFY(page.contains("font-family: \"DejaVu Sans\""));
    // Empty comments still give their block.
    QVERIFY(page.contains("</font>\r\n<PRE></PRE><br><hr width=100%>"));
    // The significator shows its explanation and card, never a meaning.
    QVERIFY(page.contains("<b>The querent</b><br><b>The Seeker</b><br></td>"));
    QVERIFY(!page.contains("never shown"));
    // A meaning's CR LF becomes "<br>" and one space.
    QVERIFY(page.contains("<b>1. Now</b><br><b>Dawn (reversed) </b><br>first line<br> second  "
                          "line</td></tr></table>"));
    QVERIFY(!page.contains("<img"));

    model.options.spreadView = true;
    model.options.bigCards = true;
    const QByteArray withPictures = HtmlReport::page(model);
    QVERIFY(withPictures.contains("<PRE></PRE><br><img src=1000.png border=0 alt=\"Spread\"><br>"));
    QVERIFY(withPictures.contains("<tr><td align=left valign=top width=10%><img src=1.png border=0 "
                                  "hspace=20><br></td><td align=left valign=top width=90%><b>1."));
    model.options.explanations = false;
    QVERIFY(!HtmlReport::page(model).contains("first line"));
}

void TestHtmlReport::userTextIsEscaped()
{
    ReportModel model = pageModel();
    model.spreadName = QStringLiteral("<script>alert(1)</script>");
    model.comments = QStringLiteral("<img src=x onerror=alert(2)>\nand \"more\"");
    model.positions[0].heading = QStringLiteral("Love & luck");
    model.positions[1].cardTitle = QStringLiteral("<b>Bold</b>");
    model.positions[1].meaning = QStringLiteral("a <i>b</i>\r\nc & d");
    const QByteArray page = HtmlReport::page(model);
    QVERIFY(!page.contains("<script>"));
    QVERIFY(!page.contains("<img src=x"));
    QVERIFY(!page.contains("<i>"));
    QVERIFY(page.contains("<TITLE>&lt;script&gt;alert(1)&lt;/script&gt;</TITLE>"));
    QVERIFY(page.contains("<b>&lt;script&gt;alert(1)&lt;/script&gt;&nbsp;&nbsp;</b>"));
    QVERIFY(page.contains("<PRE>&lt;img src=x onerror=alert(2)&gt;\nand &quot;more&quot;</PRE>"));
    QVERIFY(page.contains("<b>Love &amp; luck</b>"));
    QVERIFY(page.contains("<b>&lt;b&gt;Bold&lt;/b&gt; (reversed) </b>"));
    QVERIFY(page.contains("a &lt;i&gt;b&lt;/i&gt;<br> c &amp; d"));
}

void TestHtmlReport::meaningTextsAreFoundAndDecoded()
{
    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    const QDir dir(appDir.path());
    const auto put = [&](const QString &path, const QByteArray &bytes) {
        return writeTestFile(dir.filePath(path), bytes);
    };
    // Card 1: the deck's own text wins. Card 2: the deck's text is empty, the language's is
    // used. Card 3: only English has it. Card 4: found nowhere. Card 5: the language's file is
    // there but empty, so English is not consulted.
    QVERIFY(put(QStringLiteral("Pics/Deck/1.txt"), "deck one"));
    QVERIFY(put(QStringLiteral("Langs/Deutsch/Texts/1.txt"), "language one"));
    QVERIFY(put(QStringLiteral("Pics/Deck/2r.txt"), ""));
    QVERIFY(put(QStringLiteral("Langs/Deutsch/Texts/2r.txt"), "K\xe4se\r\nzwei"));
    QVERIFY(put(QStringLiteral("Langs/English/Texts/3.txt"), "english three"));
    QVERIFY(put(QStringLiteral("Langs/Deutsch/Texts/5.txt"), ""));
    QVERIFY(put(QStringLiteral("Langs/English/Texts/5.txt"), "english five"));
    const auto meaning = [&](int card, bool reversed) {
        return ReportModel::meaningBytes(appDir.path(), QStringLiteral("Deck"),
                                         QStringLiteral("Deutsch"), card, reversed);
    };
    QCOMPARE(meaning(1, false), QByteArray("deck one"));
    QCOMPARE(meaning(1, true), QByteArray());
    QCOMPARE(meaning(2, true), QByteArray("K\xe4se\r\nzwei"));
    QCOMPARE(meaning(3, false), QByteArray("english three"));
    QCOMPARE(meaning(4, false), QByteArray());
    QCOMPARE(meaning(5, false), QByteArray());

    // Text from an 8-bit file reaches the page as UTF-8.
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Deck"));
    preferences.setLanguage(QStringLiteral("Deutsch"));
    ProgramData data(appDir.path());
    data.loadLanguage(preferences);
    Spread spread = spreadWith(2, 0, "Stelle ");
    spread.positions[0].explanation = "Gr\xfc\xdf"
                                      "e";
    Placements placements(2);
    placements.place(0, 2, true);
    placements.place(1, 4, false);
    const ReportModel model = ReportModel::fromReading(spread, placements, QStringLiteral("Kreuz"),
                                                       QString(), data, preferences);
    QCOMPARE(model.positions[0].meaning, QStringLiteral("K\u00e4se\r\nzwei"));
    QCOMPARE(model.positions[1].meaning, QString());
    const QByteArray page = HtmlReport::page(model);
    QVERIFY(page.contains("<b>1. Gr\xc3\xbc\xc3\x9f"
                          "e</b>"));
    QVERIFY(page.contains("K\xc3\xa4se<br> zwei"));
}

void TestHtmlReport::meaningLineBreaks_data()
{
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<QString>("html");
    QTest::newRow("CR LF") << "a\r\nb"
                           << "a<br> b";
    QTest::newRow("LF") << "a\nb\n\nc"
                        << "a<br>b<br><br>c";
    QTest::newRow("CR") << "a\rb"
                        << "a<br>b";
    QTest::newRow("mixed, escaped") << "<a>\n\r\nb"
                                    << "&lt;a&gt;<br><br> b";
}

void TestHtmlReport::meaningLineBreaks()
{
    // Every kind of line end breaks the line on the page.
    QFETCH(QString, meaning);
    QFETCH(QString, html);
    QCOMPARE(HtmlReport::meaningHtml(meaning), html);
}

void TestHtmlReport::reportsGetNamesOfTheirOwn()
{
    QTemporaryDir appDir;
    QTemporaryDir reports;
    QTemporaryDir scratch;
    QVERIFY(appDir.isValid() && reports.isValid() && scratch.isValid());
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Veldmere"));
    preferences.setPrintBigCards(true);
    ReportModel model;
    QString error;
    QVERIFY2(ReportFixture::savedReading(appDir.path(), preferences, model, &error),
             qPrintable(error));
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4));
    const ReportMaker::Place place{reports.path(), scratch.path(), {}, when};
    // Two pages of the same minute, the second of another card: each keeps its own pictures.
    QString first;
    QString second;
    QCOMPARE(ReportMaker::make(model, ReportWriter::Format::Html, place, &first),
             ReportMaker::Result::Written);
    const QImage firstCard(QFileInfo(first).dir().filePath(QStringLiteral("1.png")));
    model.positions[1].reversed = !model.positions[1].reversed;
    QCOMPARE(ReportMaker::make(model, ReportWriter::Format::Html, place, &second),
             ReportMaker::Result::Written);
    QCOMPARE(QFileInfo(second).dir().dirName(),
             QStringLiteral("2026-01-02 03.04 - Celtic Cross (2)"));
    QCOMPARE(QImage(QFileInfo(first).dir().filePath(QStringLiteral("1.png"))), firstCard);
    QVERIFY(QImage(QFileInfo(second).dir().filePath(QStringLiteral("1.png"))) != firstCard);
    // Documents are numbered the same way and never replace one another.
    for (const auto format : {ReportWriter::Format::Word, ReportWriter::Format::Pdf}) {
        QStringList paths;
        for (int i = 0; i < 2; ++i) {
            QString path;
            QCOMPARE(ReportMaker::make(model, format, place, &path), ReportMaker::Result::Written);
            paths << QFileInfo(path).fileName();
        }
        const QString extension = ReportWriter::forFormat(format)->extension();
        QCOMPARE(paths, QStringList({"2026-01-02 03.04 - Celtic Cross." + extension,
                                     "2026-01-02 03.04 - Celtic Cross (2)." + extension}));
    }
    // The document's pictures were drawn in the scratch folder, not beside it.
    QVERIFY(QFileInfo::exists(QDir(scratch.path()).filePath(QStringLiteral("1000.png"))));
    QVERIFY(!QFileInfo::exists(QDir(reports.path()).filePath(QStringLiteral("1000.png"))));
}

void TestHtmlReport::failuresWriteNoPage()
{
    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    const ReportModel model = pageModel();
    QString page;
    QString error;
    // No Temp folder.
    const QString missing = QDir(appDir.path()).filePath(QStringLiteral("Temp"));
    const ReportMaker::Place place{missing, missing, QStringLiteral("report")};
    QCOMPARE(ReportMaker::make(model, ReportWriter::Format::Html, place, &page, &error),
             ReportMaker::Result::Failed);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(page));
    // A spread picture that cannot be replaced: a folder stands in its way.
    QVERIFY(QDir(appDir.path()).mkpath(QStringLiteral("Temp/1000.png")));
    error.clear();
    QCOMPARE(ReportMaker::make(model, ReportWriter::Format::Html, place, &page, &error),
             ReportMaker::Result::Failed);
    QVERIFY2(error.contains(QStringLiteral("1000.png")), qPrintable(error));
    QVERIFY(!QFileInfo::exists(page));
    // A format number no writer knows (as from a newer settings file) writes nothing at all.
    QTemporaryDir empty;
    QCOMPARE(
        ReportMaker::make(model, ReportWriter::Format(99), {empty.path(), empty.path()}, &page),
        ReportMaker::Result::FormatUnavailable);
    QVERIFY(QDir(empty.path()).isEmpty());
}

QTEST_MAIN(TestHtmlReport)
#include "test_HtmlReport.moc"
