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

// English Metric Units per hundredth of a millimetre.
constexpr int EmuPerHundredthMm = 360;

struct Media
{
    QString relationId;
    QString path;
    QByteArray png;
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
        xml.writeEndElement();
    });
}

QByteArray relations(const QList<Media> &targets, const QString &type)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(PackageRelationsNs);
        xml.writeStartElement(PackageRelationsNs, QStringLiteral("Relationships"));
        for (const Media &target : targets) {
            xml.writeEmptyElement(PackageRelationsNs, QStringLiteral("Relationship"));
            xml.writeAttribute(QStringLiteral("Id"), target.relationId);
            xml.writeAttribute(QStringLiteral("Type"), type);
            xml.writeAttribute(QStringLiteral("Target"), target.path);
        }
        xml.writeEndElement();
    });
}

void writeRunFormat(QXmlStreamWriter &xml, const Paragraph &paragraph)
{
    xml.writeStartElement(WordNs, QStringLiteral("rPr"));
    xml.writeEmptyElement(WordNs, QStringLiteral("b"));
    xml.writeAttribute(WordNs, QStringLiteral("val"),
                       paragraph.bold ? QStringLiteral("1") : QStringLiteral("0"));
    xml.writeEmptyElement(WordNs, QStringLiteral("color"));
    xml.writeAttribute(WordNs, QStringLiteral("val"), paragraph.colour.name().mid(1).toUpper());
    // Sizes are counted in half points.
    xml.writeEmptyElement(WordNs, QStringLiteral("sz"));
    xml.writeAttribute(WordNs, QStringLiteral("val"), QString::number(paragraph.pointSize * 2));
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
    const QSize size = DocumentBlocks::pictureSizeHundredthsMm(paragraph.picture.size());
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

QByteArray document(const QList<Paragraph> &paragraphs, QList<Media> &media)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(WordNs, QStringLiteral("w"));
        xml.writeNamespace(RelationsNs, QStringLiteral("r"));
        xml.writeNamespace(DrawingNs, QStringLiteral("wp"));
        xml.writeNamespace(GraphicNs, QStringLiteral("a"));
        xml.writeNamespace(PictureNs, QStringLiteral("pic"));
        xml.writeStartElement(WordNs, QStringLiteral("document"));
        xml.writeStartElement(WordNs, QStringLiteral("body"));
        for (const Paragraph &paragraph : paragraphs) {
            xml.writeStartElement(WordNs, QStringLiteral("p"));
            if (!paragraph.picture.isNull()) {
                const int number = int(media.size()) + 1;
                media.append({QStringLiteral("rId%1").arg(number),
                              QStringLiteral("media/image%1.png").arg(number),
                              DocumentBlocks::pngData(paragraph.picture)});
                xml.writeStartElement(WordNs, QStringLiteral("r"));
                writePicture(xml, paragraph, media.last(), number);
                xml.writeEndElement();
            } else {
                // The paragraph mark carries the format too, so an empty
                // paragraph is as high as its text would be.
                xml.writeStartElement(WordNs, QStringLiteral("pPr"));
                writeRunFormat(xml, paragraph);
                xml.writeEndElement();
                if (!paragraph.text.isEmpty()) {
                    xml.writeStartElement(WordNs, QStringLiteral("r"));
                    writeRunFormat(xml, paragraph);
                    writeText(xml, paragraph.text);
                    xml.writeEndElement();
                }
            }
            xml.writeEndElement(); // p
        }
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
    const QByteArray body = document(paragraphs, media);
    package = ZipPackage();
    package.add(QStringLiteral("[Content_Types].xml"), contentTypes());
    package.add(QStringLiteral("_rels/.rels"),
                relations({{QStringLiteral("rId1"), QStringLiteral("word/document.xml"), {}}},
                          RelationsNs + QStringLiteral("/officeDocument")));
    package.add(QStringLiteral("word/document.xml"), body);
    package.add(QStringLiteral("word/_rels/document.xml.rels"),
                relations(media, RelationsNs + QStringLiteral("/image")));
    for (const Media &picture : media)
        // PNG is compressed already; deflating it again gains nothing.
        package.add(QStringLiteral("word/") + picture.path, picture.png, true);
    return true;
}
