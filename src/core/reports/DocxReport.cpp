#include "core/reports/DocxReport.h"

#include "core/reports/DocumentBlocks.h"
#include "core/reports/ReportModel.h"
#include "core/util/ZipPackage.h"

#include <QDate>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace {

using Paragraph = DocumentBlocks::Paragraph;

const QString ContentTypesNs =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types");
const QString PackageRelationsNs =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships");
const QString WordNs =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString RelationsNs =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
const QString DrawingNs =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing");
const QString GraphicNs = QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/main");
const QString PictureNs =
    QStringLiteral("http://schemas.openxmlformats.org/drawingml/2006/picture");
const QString DocumentType = QStringLiteral(
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
const QString CorePropertiesNs =
    QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties");
const QString DcNs = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString DcTermsNs = QStringLiteral("http://purl.org/dc/terms/");
const QString XsiNs = QStringLiteral("http://www.w3.org/2001/XMLSchema-instance");

// English Metric Units per hundredth of a millimetre.
constexpr int EmuPerHundredthMm = 360;

// A part the document refers to: a picture, or a part of the package.
struct Media
{
    QString relationId;
    QString path;
    QByteArray png;
    // The relation's type, when it is not the one of all the others.
    QString type;
};

QByteArray contentTypes()
{
    return DocumentBlocks::xmlPart([](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(ContentTypesNs);
        xml.writeStartElement(ContentTypesNs, QStringLiteral("Types"));
        auto byExtension = [&](const QString &extension, const QString &type) {
            xml.writeEmptyElement(ContentTypesNs, QStringLiteral("Default"));
            xml.writeAttribute(QStringLiteral("Extension"), extension);
            xml.writeAttribute(QStringLiteral("ContentType"), type);
        };
        byExtension(QStringLiteral("rels"),
                    QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
        byExtension(QStringLiteral("xml"), QStringLiteral("application/xml"));
        byExtension(QStringLiteral("png"), QStringLiteral("image/png"));
        xml.writeEmptyElement(ContentTypesNs, QStringLiteral("Override"));
        xml.writeAttribute(QStringLiteral("PartName"), QStringLiteral("/word/document.xml"));
        xml.writeAttribute(QStringLiteral("ContentType"), DocumentType);
        xml.writeEmptyElement(ContentTypesNs, QStringLiteral("Override"));
        xml.writeAttribute(QStringLiteral("PartName"), QStringLiteral("/docProps/core.xml"));
        xml.writeAttribute(
            QStringLiteral("ContentType"),
            QStringLiteral("application/vnd.openxmlformats-package.core-properties+xml"));
        xml.writeEndElement();
    });
}

// Relations to `targets`, of type `type` unless one names its own.
QByteArray relations(const QList<Media> &targets, const QString &type)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(PackageRelationsNs);
        xml.writeStartElement(PackageRelationsNs, QStringLiteral("Relationships"));
        for (const Media &target : targets) {
            xml.writeEmptyElement(PackageRelationsNs, QStringLiteral("Relationship"));
            xml.writeAttribute(QStringLiteral("Id"), target.relationId);
            xml.writeAttribute(QStringLiteral("Type"), target.type.isEmpty() ? type : target.type);
            xml.writeAttribute(QStringLiteral("Target"), target.path);
        }
        xml.writeEndElement();
    });
}

// The title, language and date readers show as the document's properties.
QByteArray coreProperties(const ReportModel &model, const QDate &date)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(CorePropertiesNs, QStringLiteral("cp"));
        xml.writeNamespace(DcNs, QStringLiteral("dc"));
        xml.writeNamespace(DcTermsNs, QStringLiteral("dcterms"));
        xml.writeNamespace(XsiNs, QStringLiteral("xsi"));
        xml.writeStartElement(CorePropertiesNs, QStringLiteral("coreProperties"));
        xml.writeTextElement(DcNs, QStringLiteral("title"), model.spreadName);
        xml.writeTextElement(DcNs, QStringLiteral("creator"), QStringLiteral("Quillmoor"));
        xml.writeTextElement(DcNs, QStringLiteral("language"), model.languageTag);
        xml.writeStartElement(DcTermsNs, QStringLiteral("created"));
        xml.writeAttribute(XsiNs, QStringLiteral("type"), QStringLiteral("dcterms:W3CDTF"));
        xml.writeCharacters(date.toString(Qt::ISODate) + QStringLiteral("T00:00:00Z"));
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

// Hundredths of a millimetre in twentieths of a point, Word's page unit.
QString twips(int hundredthsMm)
{
    return QString::number(qint64(hundredthsMm) * 1440 / 2540);
}

void writeRunFormat(QXmlStreamWriter &xml, const Paragraph &paragraph, const QString &language)
{
    xml.writeStartElement(WordNs, QStringLiteral("rPr"));
    xml.writeEmptyElement(WordNs, QStringLiteral("rFonts"));
    for (const char *script : {"ascii", "hAnsi", "cs", "eastAsia"})
        xml.writeAttribute(WordNs, QLatin1String(script),
                           QLatin1String(DocumentBlocks::FontFamily));
    xml.writeEmptyElement(WordNs, QStringLiteral("b"));
    xml.writeAttribute(WordNs, QStringLiteral("val"),
                       paragraph.bold ? QStringLiteral("1") : QStringLiteral("0"));
    xml.writeEmptyElement(WordNs, QStringLiteral("color"));
    xml.writeAttribute(WordNs, QStringLiteral("val"), paragraph.colour.name().mid(1).toUpper());
    // Sizes are counted in half points.
    xml.writeEmptyElement(WordNs, QStringLiteral("sz"));
    xml.writeAttribute(WordNs, QStringLiteral("val"), QString::number(paragraph.pointSize * 2));
    xml.writeEmptyElement(WordNs, QStringLiteral("lang"));
    xml.writeAttribute(WordNs, QStringLiteral("val"), language);
    xml.writeEndElement();
}

void writeText(QXmlStreamWriter &xml, const QString &text)
{
    const QStringList pieces = text.split(QLatin1Char('\t'));
    for (int i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            xml.writeEmptyElement(WordNs, QStringLiteral("tab"));
        if (pieces[i].isEmpty())
            continue;
        xml.writeStartElement(WordNs, QStringLiteral("t"));
        xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        xml.writeCharacters(pieces[i]);
        xml.writeEndElement();
    }
}

void writePicture(QXmlStreamWriter &xml, const Paragraph &paragraph, const Media &media, int id)
{
    const QSize size = paragraph.pictureSize;
    const QString cx = QString::number(qint64(size.width()) * EmuPerHundredthMm);
    const QString cy = QString::number(qint64(size.height()) * EmuPerHundredthMm);
    xml.writeStartElement(WordNs, QStringLiteral("drawing"));
    xml.writeStartElement(DrawingNs, QStringLiteral("inline"));
    xml.writeEmptyElement(DrawingNs, QStringLiteral("extent"));
    xml.writeAttribute(QStringLiteral("cx"), cx);
    xml.writeAttribute(QStringLiteral("cy"), cy);
    xml.writeEmptyElement(DrawingNs, QStringLiteral("docPr"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("Picture %1").arg(id));
    xml.writeStartElement(GraphicNs, QStringLiteral("graphic"));
    xml.writeStartElement(GraphicNs, QStringLiteral("graphicData"));
    xml.writeAttribute(QStringLiteral("uri"), PictureNs);
    xml.writeStartElement(PictureNs, QStringLiteral("pic"));
    xml.writeStartElement(PictureNs, QStringLiteral("nvPicPr"));
    xml.writeEmptyElement(PictureNs, QStringLiteral("cNvPr"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeAttribute(QStringLiteral("name"), QFileInfo(media.path).fileName());
    xml.writeEmptyElement(PictureNs, QStringLiteral("cNvPicPr"));
    xml.writeEndElement(); // nvPicPr
    xml.writeStartElement(PictureNs, QStringLiteral("blipFill"));
    xml.writeEmptyElement(GraphicNs, QStringLiteral("blip"));
    xml.writeAttribute(RelationsNs, QStringLiteral("embed"), media.relationId);
    xml.writeStartElement(GraphicNs, QStringLiteral("stretch"));
    xml.writeEmptyElement(GraphicNs, QStringLiteral("fillRect"));
    xml.writeEndElement(); // stretch
    xml.writeEndElement(); // blipFill
    xml.writeStartElement(PictureNs, QStringLiteral("spPr"));
    xml.writeStartElement(GraphicNs, QStringLiteral("xfrm"));
    xml.writeEmptyElement(GraphicNs, QStringLiteral("off"));
    xml.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("y"), QStringLiteral("0"));
    xml.writeEmptyElement(GraphicNs, QStringLiteral("ext"));
    xml.writeAttribute(QStringLiteral("cx"), cx);
    xml.writeAttribute(QStringLiteral("cy"), cy);
    xml.writeEndElement(); // xfrm
    xml.writeStartElement(GraphicNs, QStringLiteral("prstGeom"));
    xml.writeAttribute(QStringLiteral("prst"), QStringLiteral("rect"));
    xml.writeEmptyElement(GraphicNs, QStringLiteral("avLst"));
    xml.writeEndElement(); // prstGeom
    xml.writeEndElement(); // spPr
    xml.writeEndElement(); // pic
    xml.writeEndElement(); // graphicData
    xml.writeEndElement(); // graphic
    xml.writeEndElement(); // inline
    xml.writeEndElement(); // drawing
}

class BodyWriter
{
public:
    BodyWriter(QXmlStreamWriter &xml, QList<Media> &media, const QString &language)
        : m_xml(xml)
        , m_media(media)
        , m_language(language)
    {}

    void paragraph(const Paragraph &paragraph)
    {
        m_xml.writeStartElement(WordNs, QStringLiteral("p"));
        m_xml.writeStartElement(WordNs, QStringLiteral("pPr"));
        if (paragraph.keepWithNext)
            m_xml.writeEmptyElement(WordNs, QStringLiteral("keepNext"));
        if (!paragraph.picture.isNull()) {
            m_xml.writeEndElement(); // pPr
            const int number = int(m_media.size()) + 1;
            m_media.append({QStringLiteral("rId%1").arg(number),
                            QStringLiteral("media/image%1.png").arg(number),
                            DocumentBlocks::pngData(paragraph.picture),
                            {}});
            m_xml.writeStartElement(WordNs, QStringLiteral("r"));
            writePicture(m_xml, paragraph, m_media.last(), number);
            m_xml.writeEndElement();
        } else {
            // The paragraph mark carries the format too, so an empty
            // paragraph is as high as its text would be.
            writeRunFormat(m_xml, paragraph, m_language);
            m_xml.writeEndElement(); // pPr
            if (!paragraph.text.isEmpty()) {
                m_xml.writeStartElement(WordNs, QStringLiteral("r"));
                writeRunFormat(m_xml, paragraph, m_language);
                writeText(m_xml, paragraph.text);
                m_xml.writeEndElement();
            }
        }
        m_xml.writeEndElement(); // p
    }

    // A row of the compact layout: the card's picture in a cell on the left,
    // the text in the cell beside it, never split across pages.
    void row(const QList<Paragraph> &paragraphs, int textWidth)
    {
        const int pictureWidth = paragraphs.first().pictureSize.width() + 400;
        m_xml.writeStartElement(WordNs, QStringLiteral("tbl"));
        m_xml.writeStartElement(WordNs, QStringLiteral("tblPr"));
        m_xml.writeEmptyElement(WordNs, QStringLiteral("tblW"));
        m_xml.writeAttribute(WordNs, QStringLiteral("w"), twips(textWidth));
        m_xml.writeAttribute(WordNs, QStringLiteral("type"), QStringLiteral("dxa"));
        m_xml.writeEmptyElement(WordNs, QStringLiteral("tblLayout"));
        m_xml.writeAttribute(WordNs, QStringLiteral("type"), QStringLiteral("fixed"));
        m_xml.writeEndElement(); // tblPr
        m_xml.writeStartElement(WordNs, QStringLiteral("tblGrid"));
        for (const int width : {pictureWidth, textWidth - pictureWidth}) {
            m_xml.writeEmptyElement(WordNs, QStringLiteral("gridCol"));
            m_xml.writeAttribute(WordNs, QStringLiteral("w"), twips(width));
        }
        m_xml.writeEndElement(); // tblGrid
        m_xml.writeStartElement(WordNs, QStringLiteral("tr"));
        m_xml.writeStartElement(WordNs, QStringLiteral("trPr"));
        m_xml.writeEmptyElement(WordNs, QStringLiteral("cantSplit"));
        m_xml.writeEndElement(); // trPr
        cell(paragraphs.mid(0, 1), pictureWidth);
        cell(paragraphs.mid(1), textWidth - pictureWidth);
        m_xml.writeEndElement(); // tr
        m_xml.writeEndElement(); // tbl
    }

private:
    void cell(const QList<Paragraph> &paragraphs, int width)
    {
        m_xml.writeStartElement(WordNs, QStringLiteral("tc"));
        m_xml.writeStartElement(WordNs, QStringLiteral("tcPr"));
        m_xml.writeEmptyElement(WordNs, QStringLiteral("tcW"));
        m_xml.writeAttribute(WordNs, QStringLiteral("w"), twips(width));
        m_xml.writeAttribute(WordNs, QStringLiteral("type"), QStringLiteral("dxa"));
        m_xml.writeEndElement(); // tcPr
        for (Paragraph inCell : paragraphs) {
            // Within a row that cannot split, keeping with the next paragraph means nothing.
            inCell.keepWithNext = false;
            paragraph(inCell);
        }
        m_xml.writeEndElement(); // tc
    }

    QXmlStreamWriter &m_xml;
    QList<Media> &m_media;
    QString m_language;
};

QByteArray document(const ReportModel &model, const QList<Paragraph> &paragraphs,
                    QList<Media> &media)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(WordNs, QStringLiteral("w"));
        xml.writeNamespace(RelationsNs, QStringLiteral("r"));
        xml.writeNamespace(DrawingNs, QStringLiteral("wp"));
        xml.writeNamespace(GraphicNs, QStringLiteral("a"));
        xml.writeNamespace(PictureNs, QStringLiteral("pic"));
        xml.writeStartElement(WordNs, QStringLiteral("document"));
        xml.writeStartElement(WordNs, QStringLiteral("body"));
        BodyWriter body(xml, media, model.languageTag);
        const QSize paper = model.paper.size;
        const int margin = DocumentBlocks::PageMarginHundredthsMm;
        for (int i = 0; i < paragraphs.size();) {
            const DocumentBlocks::RowSpan span = DocumentBlocks::rowAt(paragraphs, i);
            if (paragraphs[i].row >= 0 && !paragraphs[i].picture.isNull()) {
                body.row(paragraphs.mid(span.first, span.end - span.first),
                         paper.width() - 2 * margin);
                i = span.end;
            } else {
                body.paragraph(paragraphs[i++]);
            }
        }
        xml.writeStartElement(WordNs, QStringLiteral("sectPr"));
        xml.writeEmptyElement(WordNs, QStringLiteral("pgSz"));
        xml.writeAttribute(WordNs, QStringLiteral("w"), twips(paper.width()));
        xml.writeAttribute(WordNs, QStringLiteral("h"), twips(paper.height()));
        xml.writeEmptyElement(WordNs, QStringLiteral("pgMar"));
        for (const char *side : {"top", "right", "bottom", "left"})
            xml.writeAttribute(WordNs, QLatin1String(side), twips(margin));
        for (const char *edge : {"header", "footer", "gutter"})
            xml.writeAttribute(WordNs, QLatin1String(edge), QStringLiteral("0"));
        xml.writeEndElement(); // sectPr
        xml.writeEndElement(); // body
        xml.writeEndElement(); // document
    });
}

} // namespace

QString DocxReport::extension() const
{
    return QStringLiteral("docx");
}

bool DocxReport::package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                         ZipPackage &package, QString *errorString) const
{
    QList<Paragraph> paragraphs;
    if (!DocumentBlocks::build(model, date, pictureFolder, QColor(0x00, 0x80, 0x00), paragraphs,
                               errorString))
        return false;
    QList<Media> media;
    const QByteArray body = document(model, paragraphs, media);
    package = ZipPackage();
    package.add(QStringLiteral("[Content_Types].xml"), contentTypes());
    package.add(QStringLiteral("_rels/.rels"),
                relations({{QStringLiteral("rId1"), QStringLiteral("word/document.xml"), {}, {}},
                           {QStringLiteral("rId2"),
                            QStringLiteral("docProps/core.xml"),
                            {},
                            PackageRelationsNs + QStringLiteral("/metadata/core-properties")}},
                          RelationsNs + QStringLiteral("/officeDocument")));
    package.add(QStringLiteral("docProps/core.xml"), coreProperties(model, date));
    package.add(QStringLiteral("word/document.xml"), body);
    package.add(QStringLiteral("word/_rels/document.xml.rels"),
                relations(media, RelationsNs + QStringLiteral("/image")));
    for (const Media &picture : media)
        // PNG is compressed already; deflating it again gains nothing.
        package.add(QStringLiteral("word/") + picture.path, picture.png, true);
    return true;
}
