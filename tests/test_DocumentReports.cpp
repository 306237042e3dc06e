// Checks the word-processor reports by reading back what was written: the zip container and its
// required parts, then each paragraph's text, weight, size and colour and each picture's size, in
// the OpenDocument and the Office Open XML forms, for every print option on and off, significators,
// reversed cards, empty meanings, markup characters in names and missing pictures.
#include "ReportFixture.h"
#include "TinyDisk.h"
#include "core/reports/DocumentBlocks.h"
#include "core/reports/DocxReport.h"
#include "core/reports/OdtReport.h"
#include "core/reports/Paper.h"
#include "core/reports/PdfReport.h"
#include "core/reports/ReportMaker.h"
#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"
#include "core/util/ZipPackage.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QtTest>

#include <cerrno>
#include <cstring>

namespace {

const QDate ReportDate(2026, 3, 14);

// The writer of the zip format a test row names.
const ZipReport &zipReport(bool odt)
{
    static const OdtReport openDocument;
    static const DocxReport word;
    return odt ? static_cast<const ZipReport &>(openDocument) : word;
}

// A paragraph as read back: its text and format as one line, e.g. "b12 #000000 Dawn", or
// "picture 12694x9256 <part>" with the size in hundredths of a millimetre.
using ReadBack = QStringList;

QString textLine(bool bold, int pointSize, const QString &colour, const QString &text)
{
    return QStringLiteral("%1%2 %3 %4")
        .arg(bold ? QLatin1Char('b') : QLatin1Char('n'))
        .arg(pointSize)
        .arg(colour.toLower(), text);
}

QString pictureLine(int width, int height)
{
    return QStringLiteral("picture %1x%2").arg(width).arg(height);
}

int hundredthsMm(const QString &length)
{
    if (!length.endsWith(QLatin1String("mm")))
        return -1;
    return qRound(length.chopped(2).toDouble() * 100);
}

struct OdtFormat
{
    QString colour;
    int size = 0;
    bool bold = false;
};

// Reads content.xml: every text:p becomes one line; a span's style must agree with its
// paragraph's, and each picture must be a part of `package` listed in the manifest.
ReadBack readOdt(const ZipPackage &package, QStringList *problems)
{
    ReadBack lines;
    QHash<QString, OdtFormat> styles;
    QXmlStreamReader xml(package.part(QStringLiteral("content.xml")));
    const QByteArray manifest = package.part(QStringLiteral("META-INF/manifest.xml"));
    QString currentStyle;
    OdtFormat paragraphFormat;
    QString text;
    QString pictures;
    bool inParagraph = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.name().toString();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes a = xml.attributes();
            if (name == QLatin1String("style")) {
                currentStyle = a.value(QLatin1String("style:name")).toString();
            } else if (name == QLatin1String("text-properties")) {
                OdtFormat format;
                format.colour = a.value(QLatin1String("fo:color")).toString();
                format.size = a.value(QLatin1String("fo:font-size")).toString().chopped(2).toInt();
                format.bold = a.value(QLatin1String("fo:font-weight")) == QLatin1String("bold");
                styles.insert(currentStyle, format);
            } else if (name == QLatin1String("p")) {
                inParagraph = true;
                text.clear();
                pictures.clear();
                paragraphFormat =
                    styles.value(a.value(QLatin1String("text:style-name")).toString());
            } else if (name == QLatin1String("span")) {
                const OdtFormat span =
                    styles.value(a.value(QLatin1String("text:style-name")).toString());
                if (span.colour != paragraphFormat.colour || span.size != paragraphFormat.size ||
                    span.bold != paragraphFormat.bold)
                    problems->append(QStringLiteral("a run differs from its paragraph"));
            } else if (name == QLatin1String("s")) {
                const int count = a.hasAttribute(QLatin1String("text:c"))
                                      ? a.value(QLatin1String("text:c")).toInt()
                                      : 1;
                text += QString(count, QLatin1Char(' '));
            } else if (name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (name == QLatin1String("frame")) {
                pictures =
                    pictureLine(hundredthsMm(a.value(QLatin1String("svg:width")).toString()),
                                hundredthsMm(a.value(QLatin1String("svg:height")).toString()));
            } else if (name == QLatin1String("image")) {
                const QString href = a.value(QLatin1String("xlink:href")).toString();
                if (QImage::fromData(package.part(href), "PNG").isNull())
                    problems->append(QStringLiteral("no PNG picture at ") + href);
                if (!manifest.contains(
                        QStringLiteral("manifest:full-path=\"%1\"").arg(href).toUtf8()))
                    problems->append(QStringLiteral("not in the manifest: ") + href);
            }
        } else if (xml.isCharacters() && inParagraph) {
            text += xml.text();
        } else if (xml.isEndElement() && name == QLatin1String("p")) {
            inParagraph = false;
            lines.append(pictures.isEmpty() ? textLine(paragraphFormat.bold, paragraphFormat.size,
                                                       paragraphFormat.colour, text)
                                            : pictures);
        }
    }
    if (xml.hasError())
        problems->append(xml.errorString());
    return lines;
}

// Reads word/document.xml: every w:p becomes one line; every run's format must agree with its
// paragraph mark's, and each picture's relation must lead to a PNG part.
ReadBack readDocx(const ZipPackage &package, QStringList *problems)
{
    QHash<QString, QString> targets;
    QXmlStreamReader relations(package.part(QStringLiteral("word/_rels/document.xml.rels")));
    while (!relations.atEnd()) {
        relations.readNext();
        if (relations.isStartElement() && relations.name() == QLatin1String("Relationship"))
            targets.insert(relations.attributes().value(QLatin1String("Id")).toString(),
                           relations.attributes().value(QLatin1String("Target")).toString());
    }
    ReadBack lines;
    QXmlStreamReader xml(package.part(QStringLiteral("word/document.xml")));
    QString text;
    QString pictures;
    QString format;
    QString paragraphFormat;
    bool bold = false;
    int size = 0;
    QString colour;
    bool inText = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QString name = xml.name().toString();
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.isStartElement()) {
            if (name == QLatin1String("p")) {
                text.clear();
                pictures.clear();
                paragraphFormat.clear();
            } else if (name == QLatin1String("rPr")) {
                bold = false;
                size = 0;
                colour.clear();
            } else if (name == QLatin1String("b")) {
                bold = a.value(QLatin1String("w:val")) != QLatin1String("0");
            } else if (name == QLatin1String("sz")) {
                size = a.value(QLatin1String("w:val")).toInt() / 2;
            } else if (name == QLatin1String("color")) {
                colour = QLatin1Char('#') + a.value(QLatin1String("w:val")).toString();
            } else if (name == QLatin1String("t")) {
                inText = true;
            } else if (name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (name == QLatin1String("extent")) {
                // English Metric Units: 360 to the hundredth of a millimetre.
                const qint64 cx = a.value(QLatin1String("cx")).toLongLong();
                const qint64 cy = a.value(QLatin1String("cy")).toLongLong();
                if (cx % 360 != 0 || cy % 360 != 0)
                    problems->append(QStringLiteral("a picture size off the grid"));
                pictures = pictureLine(int(cx / 360), int(cy / 360));
            } else if (name == QLatin1String("blip")) {
                const QString target = targets.value(a.value(QLatin1String("r:embed")).toString());
                if (target.isEmpty() ||
                    QImage::fromData(package.part(QStringLiteral("word/") + target), "PNG")
                        .isNull())
                    problems->append(QStringLiteral("no PNG picture for a relation"));
            }
        } else if (xml.isCharacters() && inText) {
            text += xml.text();
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("t")) {
                inText = false;
            } else if (name == QLatin1String("rPr")) {
                format = textLine(bold, size, colour, QString());
                if (paragraphFormat.isEmpty())
                    paragraphFormat = format;
                else if (format != paragraphFormat)
                    problems->append(QStringLiteral("a run differs from its paragraph"));
            } else if (name == QLatin1String("p")) {
                lines.append(pictures.isEmpty() ? paragraphFormat + text : pictures);
            }
        }
    }
    if (xml.hasError())
        problems->append(xml.errorString());
    return lines;
}

// Checks what every OpenDocument container needs: the type first and uncompressed, the parts
// the manifest lists.
void checkOdtContainer(const ZipPackage &package)
{
    QVERIFY(!package.parts().isEmpty());
    QCOMPARE(package.parts().first().name, QStringLiteral("mimetype"));
    QVERIFY(package.parts().first().stored);
    QCOMPARE(package.parts().first().data, QByteArray("application/vnd.oasis.opendocument.text"));
    QVERIFY(package.contains(QStringLiteral("content.xml")));
    const QByteArray manifest = package.part(QStringLiteral("META-INF/manifest.xml"));
    QVERIFY(manifest.contains("manifest:full-path=\"/\""));
    QVERIFY(manifest.contains("manifest:full-path=\"content.xml\""));
}

// Checks what every Office Open XML container needs: the content types, the package's relation
// to the document and the document's relations.
void checkDocxContainer(const ZipPackage &package)
{
    const QByteArray types = package.part(QStringLiteral("[Content_Types].xml"));
    QVERIFY(types.contains("PartName=\"/word/document.xml\""));
    QVERIFY(types.contains("Extension=\"rels\""));
    QVERIFY(types.contains("Extension=\"png\""));
    const QByteArray root = package.part(QStringLiteral("_rels/.rels"));
    QVERIFY(root.contains("Target=\"word/document.xml\""));
    QVERIFY(root.contains("relationships/officeDocument\""));
    QVERIFY(package.contains(QStringLiteral("word/_rels/document.xml.rels")));
}

// The saved `reading` laid with the Veldmere deck and big cards, in a program folder of its own
// in `appDir`, with its scratch folder `temp` made.
[[nodiscard]] bool
bigCardReading(const QTemporaryDir &appDir, ReportModel &model, QString &temp, QString *error,
               const QString &reading = QStringLiteral("data/celtic-cross.reading"))
{
    Preferences preferences;
    preferences.setDeckName(QStringLiteral("Veldmere"));
    preferences.setPrintBigCards(true);
    temp = QDir(appDir.path()).filePath(QStringLiteral("Temp"));
    return appDir.isValid() &&
           ReportFixture::savedReading(appDir.path(), preferences, model, error, reading) &&
           QDir().mkpath(temp);
}

} // namespace

class TestDocumentReports : public QObject
{
    Q_OBJECT

private slots:
    void zipContainer();
    void pictureSizes();
    void documents_data();
    void documents();
    void markupCharactersStayText();
    void missingPictures();
    void pdfDocument();
    void pdfOnNearlyFullDisk_data();
    void pdfOnNearlyFullDisk();
    void writtenThroughTheReportMaker();
    void readersFindTheirParts_data();
    void readersFindTheirParts();
    void paperFollowsTheLocale_data();
    void paperFollowsTheLocale();
    void compactYearAhead();
    void pandocReadsEveryPosition();
};

void TestDocumentReports::zipContainer()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("box.zip"));
    ZipPackage written;
    written.add(QStringLiteral("first"), "kept as it is", true);
    written.add(QStringLiteral("b/second.xml"), QByteArray(5000, 'x'));
    written.add(QStringLiteral("empty"), QByteArray());
    QString error;
    QVERIFY2(written.write(path, &error), qPrintable(error));

    ZipPackage read;
    QVERIFY2(read.read(path, &error), qPrintable(error));
    QCOMPARE(read.parts().size(), 3);
    QCOMPARE(read.parts()[0].name, QStringLiteral("first"));
    QVERIFY(read.parts()[0].stored);
    QCOMPARE(read.parts()[0].data, QByteArray("kept as it is"));
    QCOMPARE(read.parts()[1].name, QStringLiteral("b/second.xml"));
    QVERIFY(!read.parts()[1].stored);
    QCOMPARE(read.part(QStringLiteral("b/second.xml")), QByteArray(5000, 'x'));
    QVERIFY(QFileInfo(path).size() < 2000);
    QVERIFY(read.contains(QStringLiteral("empty")));
    QVERIFY(!read.contains(QStringLiteral("other")));

    // No folder to write into; a file that is no zip container.
    error.clear();
    QVERIFY(!written.write(dir.filePath(QStringLiteral("none/box.zip")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("none/box.zip"))));
    QFile plain(dir.filePath(QStringLiteral("plain.zip")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.write("not a zip file at all");
    plain.close();
    error.clear();
    QVERIFY(!read.read(plain.fileName(), &error));
    QVERIFY(!error.isEmpty());
}

void TestDocumentReports::pictureSizes()
{
    // Pixel size times dots per inch times 100 / 363, cut to whole hundredths of a millimetre.
    QCOMPARE(DocumentBlocks::pictureSizeHundredthsMm(QSize(480, 350)), QSize(12694, 9256));
    QCOMPARE(DocumentBlocks::pictureSizeHundredthsMm(QSize(1, 3), 96), QSize(26, 79));
    QCOMPARE(DocumentBlocks::pictureSizeHundredthsMm(QSize(300, 350), 120), QSize(9917, 11570));
}

void TestDocumentReports::documents_data()
{
    QTest::addColumn<bool>("odt");
    QTest::addColumn<bool>("on");
    QTest::newRow("OpenDocument, all options on") << true << true;
    QTest::newRow("OpenDocument, all options off") << true << false;
    QTest::newRow("Word, all options on") << false << true;
    QTest::newRow("Word, all options off") << false << false;
}

void TestDocumentReports::documents()
{
    QFETCH(bool, odt);
    QFETCH(bool, on);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(ReportFixture::drawPictures(dir.path()));
    ReportModel model = ReportFixture::handMade();
    model.options.spreadView = on;
    model.options.bigCards = on;
    model.options.explanations = on;

    ZipPackage package;
    QString error;
    QVERIFY2(zipReport(odt).package(model, ReportDate, dir.path(), package, &error),
             qPrintable(error));
    if (odt)
        checkOdtContainer(package);
    else
        checkDocxContainer(package);
    if (QTest::currentTestFailed())
        return;
    QStringList problems;
    const ReadBack lines = odt ? readOdt(package, &problems) : readDocx(package, &problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    const QString green = odt ? QStringLiteral("#007800") : QStringLiteral("#008000");
    const QString heading =
        QStringLiteral("Plain (") + QLocale().toString(ReportDate, QLocale::ShortFormat) + ')';
    const QString gap16 = textLine(true, 16, QStringLiteral("#0000ff"), QString());
    const QString black = QStringLiteral("#000000");
    const QString afterPicture = textLine(false, 12, black, QString());
    ReadBack expected{textLine(true, 16, QStringLiteral("#0000ff"), heading), gap16};
    if (on)
        expected << pictureLine(12694, 9256) << afterPicture;
    expected << textLine(true, 12, black, QStringLiteral("The querent"))
             << textLine(true, 12, green, QStringLiteral("The Seeker"))
             << textLine(true, 12, green, QString());
    if (on)
        expected << pictureLine(2644, 5289) << afterPicture;
    expected << textLine(true, 12, black, QStringLiteral("1. Now"))
             << textLine(true, 12, green, QStringLiteral("Dawn (reversed) "))
             << textLine(true, 12, green, QString());
    if (on)
        expected << pictureLine(2671, 5289) << afterPicture
                 << textLine(false, 10, black, QStringLiteral("first line"))
                 << textLine(false, 10, black, QStringLiteral("second  line"))
                 << textLine(false, 10, black, QString());
    expected << textLine(true, 12, black, QStringLiteral("2. Later"))
             << textLine(true, 12, green, QStringLiteral("Dusk"))
             << textLine(true, 12, green, QString());
    if (on)
        expected << pictureLine(2697, 5289)
                 << afterPicture
                 // An empty meaning still gives its paragraph.
                 << textLine(false, 10, black, QString()) << textLine(false, 10, black, QString());

    QCOMPARE(lines, expected);

    // One picture part per picture shown, nothing else besides the XML parts.
    int pictureParts = 0;
    for (const ZipPackage::Part &part : package.parts())
        pictureParts += part.name.endsWith(QLatin1String(".png"));
    QCOMPARE(pictureParts, on ? 4 : 0);
}

void TestDocumentReports::markupCharactersStayText()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(ReportFixture::drawPictures(dir.path()));
    ReportModel model = ReportFixture::handMade();
    model.options = {false, false, false, true, false};
    model.spreadName = QStringLiteral("A&B <c> \"d\"");
    model.positions[1].meaning = QStringLiteral("x < y & \"z\"\tend");
    for (const bool odt : {true, false}) {
        ZipPackage package;
        QVERIFY(zipReport(odt).package(model, ReportDate, dir.path(), package));
        QStringList problems;
        const ReadBack lines = odt ? readOdt(package, &problems) : readDocx(package, &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(lines.first().endsWith(QStringLiteral(" A&B <c> \"d\" (") +
                                       QLocale().toString(ReportDate, QLocale::ShortFormat) + ')'));
        QVERIFY(lines.contains(
            textLine(false, 10, QStringLiteral("#000000"), QStringLiteral("x < y & \"z\"\tend"))));
    }
}

void TestDocumentReports::missingPictures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(ReportFixture::drawPictures(dir.path()));
    ReportModel model = ReportFixture::handMade();
    model.options = {true, false, true, false, false};
    // A card picture that is missing is left out, as on the spread picture.
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("1.png"))));
    for (const bool odt : {true, false}) {
        ZipPackage package;
        QVERIFY(zipReport(odt).package(model, ReportDate, dir.path(), package));
        QStringList problems;
        const ReadBack lines = odt ? readOdt(package, &problems) : readDocx(package, &problems);
        QCOMPARE(lines.filter(QStringLiteral("picture")).size(), 3);
    }
    // Without the spread picture the document cannot be made.
    QVERIFY(QFile::remove(dir.filePath(QStringLiteral("1000.png"))));
    for (const bool odt : {true, false}) {
        ZipPackage package;
        QString error;
        QVERIFY(!zipReport(odt).package(model, ReportDate, dir.path(), package, &error));
        QVERIFY2(error.contains(QStringLiteral("1000.png")), qPrintable(error));
    }
}

void TestDocumentReports::pdfDocument()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(ReportFixture::drawPictures(dir.path()));
    ReportModel model = ReportFixture::handMade();
    model.options = {true, false, true, true, false};
    const std::unique_ptr<QTextDocument> text = PdfReport::document(model, ReportDate, dir.path());
    QVERIFY(text);
    // The same paragraphs as the other documents, in Word's colours; a picture is one image
    // character sized as the pixels are at 96 pixels per inch.
    ReadBack lines;
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format =
            block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
        if (format.isImageFormat()) {
            const QTextImageFormat image = format.toImageFormat();
            lines << QStringLiteral("image %1x%2").arg(image.width()).arg(image.height());
            QVERIFY(!text->resource(QTextDocument::ImageResource, QUrl(image.name())).isNull());
            continue;
        }
        lines << textLine(format.fontWeight() == QFont::Bold, int(format.fontPointSize()),
                          format.foreground().color().name(), block.text());
    }
    QCOMPARE(lines.size(), 24);
    QCOMPARE(lines[0], textLine(true, 16, QStringLiteral("#0000ff"),
                                QStringLiteral("Plain (") +
                                    QLocale().toString(ReportDate, QLocale::ShortFormat) + ')'));
    QCOMPARE(lines[2], QStringLiteral("image 480x350"));
    QCOMPARE(
        lines.mid(9, 9),
        ReadBack({textLine(true, 12, QStringLiteral("#000000"), QStringLiteral("1. Now")),
                  textLine(true, 12, QStringLiteral("#008000"), QStringLiteral("Dawn (reversed) ")),
                  textLine(true, 12, QStringLiteral("#008000"), QString()),
                  QStringLiteral("image 101x200"),
                  textLine(false, 12, QStringLiteral("#000000"), QString()),
                  textLine(false, 10, QStringLiteral("#000000"), QStringLiteral("first line")),
                  textLine(false, 10, QStringLiteral("#000000"), QStringLiteral("second  line")),
                  textLine(false, 10, QStringLiteral("#000000"), QString()),
                  textLine(true, 12, QStringLiteral("#000000"), QStringLiteral("2. Later"))}));

    // The file is a PDF of one page or more; a folder in its way fails it with a reason.
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    QVERIFY2(PdfReport().write(model, path, QFileInfo(path).absolutePath(), &error),
             qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.contains("/Type /Page"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked.pdf")));
    QVERIFY(
        !PdfReport().write(model, dir.filePath(QStringLiteral("blocked.pdf")), dir.path(), &error));
    QVERIFY(!error.isEmpty());
}

void TestDocumentReports::pdfOnNearlyFullDisk_data()
{
    QTest::addColumn<int>("percentFree");
    // Room for none, part or nearly all of the document.
    for (const int percent : {0, 10, 50, 90})
        QTest::newRow(qPrintable(QStringLiteral("%1% of it free").arg(percent))) << percent;
}

void TestDocumentReports::pdfOnNearlyFullDisk()
{
    // A PDF that does not fit is reported as not written and the previous
    // document stays whole, however much of it would have fitted.
    QFETCH(int, percentFree);
    TinyDisk disk(QStringLiteral("8m"));
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    // Noise does not compress, so the document is about as large as its pictures.
    QImage noise(480, 350, QImage::Format_RGB32);
    quint32 state = 1;
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            noise.setPixel(x, y, state >> 8);
        }
    }
    QVERIFY(noise.save(disk.filePath(QStringLiteral("1000.png"))));
    ReportModel model = ReportFixture::handMade();
    model.options = {true, false, false, false, false};
    const QString path = disk.filePath(QStringLiteral("report.pdf"));
    QString error;
    QVERIFY2(PdfReport().write(model, path, QFileInfo(path).absolutePath(), &error),
             qPrintable(error));
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = old.readAll();
    old.close();
    QVERIFY2(oldBytes.size() > 100 * 1024, "the document is large enough to be cut short");

    QVERIFY(disk.fill(oldBytes.size() * percentFree / 100));
    QVERIFY(!PdfReport().write(model, path, QFileInfo(path).absolutePath(), &error));
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), oldBytes);
    const QStringList left = QDir(disk.filePath(QString())).entryList(QDir::Files);
    QCOMPARE(left.size(), 3); // the picture, the old document and the filler
}

void TestDocumentReports::writtenThroughTheReportMaker()
{
    // A saved reading with its own pictures: each format gives a readable container of its own
    // name, with a picture for the spread and one for each of the ten positions.
    QTemporaryDir appDir;
    ReportModel model;
    QString temp;
    QString error;
    QVERIFY2(bigCardReading(appDir, model, temp, &error), qPrintable(error));
    for (const auto format : {ReportWriter::Format::Word, ReportWriter::Format::OpenDocument}) {
        QString path;
        QCOMPARE(ReportMaker::make(model, format, {temp, temp}, &path, &error),
                 ReportMaker::Result::Written);
        QCOMPARE(QFileInfo(path).suffix(), format == ReportWriter::Format::Word
                                               ? QStringLiteral("docx")
                                               : QStringLiteral("odt"));
        ZipPackage package;
        QVERIFY2(package.read(path, &error), qPrintable(error));
        QStringList problems;
        const ReadBack lines = format == ReportWriter::Format::Word ? readDocx(package, &problems)
                                                                    : readOdt(package, &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QCOMPARE(lines.filter(QStringLiteral("picture")).size(), 11);
        QVERIFY(lines.first().contains(model.spreadName));
    }
}

void TestDocumentReports::readersFindTheirParts_data()
{
    QTest::addColumn<bool>("odt");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("pageWidth");
    QTest::newRow("OpenDocument, A4")
        << true << "ru_RU" << QByteArray("fo:page-width=\"210.00mm\"");
    QTest::newRow("OpenDocument, Letter")
        << true << "en_US" << QByteArray("fo:page-width=\"215.90mm\"");
    QTest::newRow("Word, A4") << false << "de_DE" << QByteArray("<w:pgSz w:w=\"11905\"");
    QTest::newRow("Word, Letter") << false << "en_CA" << QByteArray("<w:pgSz w:w=\"12240\"");
}

void TestDocumentReports::readersFindTheirParts()
{
    // What readers other than an office suite look for is there: the title, language and date
    // of the document, its paper and font, and headings kept with what follows them.
    QFETCH(bool, odt);
    QFETCH(QString, locale);
    QFETCH(QByteArray, pageWidth);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(ReportFixture::drawPictures(dir.path()));
    ReportModel model = ReportFixture::handMade();
    model.options = {true, false, true, true, false};
    model.languageTag = QStringLiteral("ru");
    model.paper = Paper::forLocale(QLocale(locale));
    ZipPackage package;
    QVERIFY(zipReport(odt).package(model, ReportDate, dir.path(), package));
    const QByteArray meta =
        package.part(odt ? QStringLiteral("meta.xml") : QStringLiteral("docProps/core.xml"));
    QVERIFY(meta.contains("<dc:title>Plain</dc:title>"));
    QVERIFY(meta.contains("<dc:language>ru</dc:language>"));
    QVERIFY(meta.contains("2026-03-14T00:00:00"));
    const QByteArray layout =
        package.part(odt ? QStringLiteral("styles.xml") : QStringLiteral("word/document.xml"));
    QVERIFY2(layout.contains(pageWidth), layout.right(400).constData());
    const QByteArray content =
        package.part(odt ? QStringLiteral("content.xml") : QStringLiteral("word/document.xml"));
    QVERIFY(content.contains("DejaVu Sans"));
    if (odt) {
        const QByteArray manifest = package.part(QStringLiteral("META-INF/manifest.xml"));
        QVERIFY(manifest.contains("full-path=\"styles.xml\""));
        QVERIFY(manifest.contains("full-path=\"meta.xml\""));
    } else {
        QVERIFY(package.part(QStringLiteral("[Content_Types].xml"))
                    .contains("PartName=\"/docProps/core.xml\""));
        QVERIFY(
            package.part(QStringLiteral("_rels/.rels")).contains("Target=\"docProps/core.xml\""));
        // The heading and its gap, then of each position everything up to the first line of
        // its meaning: 4 paragraphs of the significator, 5 of each other position.
        QCOMPARE(content.count("<w:keepNext/>"), 2 + 4 + 5 + 5);
    }
}

void TestDocumentReports::paperFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QSize>("size");
    QTest::newRow("United States") << "en_US"
                                   << "Letter" << QSize(21590, 27940);
    QTest::newRow("Mexico") << "es_MX"
                            << "Letter" << QSize(21590, 27940);
    QTest::newRow("Britain") << "en_GB"
                             << "A4" << QSize(21000, 29700);
    QTest::newRow("Russia") << "ru_RU"
                            << "A4" << QSize(21000, 29700);
}

void TestDocumentReports::paperFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QFETCH(QSize, size);
    QCOMPARE(Paper::forLocale(QLocale(locale)).name, paper);
    QCOMPARE(Paper::forLocale(QLocale(locale)).size, size);
}

void TestDocumentReports::compactYearAhead()
{
    // A Year Ahead with its big cards fills 14 pages card under heading; in the compact layout,
    // each card beside its text, it takes at most 8, and no card is parted from its text.
    QTemporaryDir appDir;
    ReportModel model;
    QString temp;
    QString error;
    QVERIFY2(bigCardReading(appDir, model, temp, &error, QStringLiteral("data/year-ahead.reading")),
             qPrintable(error));
    model.paper = Paper::forLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(model.positions.size(), 13);
    QVERIFY(ReportPictures::write(model, temp));
    const auto pages = [&](bool compact) {
        model.options.compact = compact;
        const std::unique_ptr<QTextDocument> text = PdfReport::document(model, ReportDate, temp);
        return text ? text->pageCount() : -1;
    };
    const int spread = pages(false);
    const int compact = pages(true);
    QVERIFY2(compact > 0 && compact <= 8, qPrintable(QString::number(compact)));
    QVERIFY2(spread > compact, qPrintable(QString::number(spread)));
    // The word-processor documents hold one row per card, kept whole.
    for (const bool odt : {true, false}) {
        ZipPackage package;
        QVERIFY(zipReport(odt).package(model, ReportDate, temp, package));
        const QByteArray content =
            package.part(odt ? QStringLiteral("content.xml") : QStringLiteral("word/document.xml"));
        QCOMPARE(content.count(odt ? "<table:table-row " : "<w:tr>"), 13);
        QCOMPARE(
            content.count(odt ? "<table:table-row table:style-name=\"KeptRow\"" : "<w:cantSplit/>"),
            13);
    }
}

void TestDocumentReports::pandocReadsEveryPosition()
{
    // A reader other than an office suite reads both documents of a Celtic Cross whole: every
    // position's heading and card and the start of every meaning.
    const QString pandoc = QStandardPaths::findExecutable(QStringLiteral("pandoc"));
    if (pandoc.isEmpty())
        QSKIP("pandoc is not installed (Debian: pandoc)");
    QTemporaryDir appDir;
    ReportModel model;
    QString temp;
    QString error;
    QVERIFY2(bigCardReading(appDir, model, temp, &error), qPrintable(error));
    for (const auto format : {ReportWriter::Format::Word, ReportWriter::Format::OpenDocument}) {
        QString path;
        QCOMPARE(ReportMaker::make(model, format, {temp, temp}, &path, &error),
                 ReportMaker::Result::Written);
        QProcess reader;
        reader.start(pandoc, {QStringLiteral("-t"), QStringLiteral("plain"),
                              QStringLiteral("--wrap=none"), path});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(reader.exitCode(), 0);
        const QString text = QString::fromUtf8(reader.readAllStandardOutput());
        for (const ReportModel::Position &position : std::as_const(model.positions)) {
            QVERIFY2(text.contains(position.documentHeading), qPrintable(position.documentHeading));
            QVERIFY2(text.contains(position.cardTitle), qPrintable(position.cardTitle));
            QVERIFY(text.contains(position.meaning.left(40)));
        }
    }
}

QTEST_MAIN(TestDocumentReports)
#include "test_DocumentReports.moc"
