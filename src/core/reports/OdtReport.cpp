#include "core/reports/OdtReport.h"

#include "core/reports/DocumentBlocks.h"
#include "core/reports/ReportModel.h"
#include "core/util/ZipPackage.h"

#include <QFileInfo>
#include <QHash>
#include <QXmlStreamWriter>

namespace {

using Paragraph = DocumentBlocks::Paragraph;

const QString MimeType = QStringLiteral("application/vnd.oasis.opendocument.text");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString StyleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString DrawNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
const QString FoNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString SvgNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
const QString XlinkNs = QStringLiteral("http://www.w3.org/1999/xlink");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString MetaNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:meta:1.0");
const QString DcNs = QStringLiteral("http://purl.org/dc/elements/1.1/");
const QString OdfVersion = QStringLiteral("1.2");

QString formatKey(const Paragraph &paragraph)
{
    return QStringLiteral("%1/%2/%3/%4")
        .arg(paragraph.bold)
        .arg(paragraph.pointSize)
        .arg(paragraph.colour.name())
        .arg(paragraph.keepWithNext);
}

QString fontName()
{
    return QLatin1String(DocumentBlocks::FontFamily);
}

void writeNamespaces(QXmlStreamWriter &xml)
{
    xml.writeNamespace(OfficeNs, QStringLiteral("office"));
    xml.writeNamespace(StyleNs, QStringLiteral("style"));
    xml.writeNamespace(TextNs, QStringLiteral("text"));
    xml.writeNamespace(TableNs, QStringLiteral("table"));
    xml.writeNamespace(DrawNs, QStringLiteral("draw"));
    xml.writeNamespace(FoNs, QStringLiteral("fo"));
    xml.writeNamespace(SvgNs, QStringLiteral("svg"));
    xml.writeNamespace(XlinkNs, QStringLiteral("xlink"));
}

// The one font every paragraph uses, declared for the styles that name it.
void writeFontFaces(QXmlStreamWriter &xml)
{
    xml.writeStartElement(OfficeNs, QStringLiteral("font-face-decls"));
    xml.writeEmptyElement(StyleNs, QStringLiteral("font-face"));
    xml.writeAttribute(StyleNs, QStringLiteral("name"), fontName());
    xml.writeAttribute(SvgNs, QStringLiteral("font-family"),
                       QLatin1Char('\'') + fontName() + QLatin1Char('\''));
    xml.writeAttribute(StyleNs, QStringLiteral("font-family-generic"), QStringLiteral("swiss"));
    xml.writeEndElement();
}

bool isPicture(const Paragraph &paragraph)
{
    return !paragraph.picture.isNull();
}

QString length(int hundredthsMm)
{
    return QStringLiteral("%1.%2mm")
        .arg(hundredthsMm / 100)
        .arg(hundredthsMm % 100, 2, 10, QLatin1Char('0'));
}

QString picturePath(const Paragraph &paragraph)
{
    return QStringLiteral("Pictures/") + QFileInfo(paragraph.pictureName).completeBaseName() +
           QStringLiteral(".png");
}

// Writes text as ODF keeps it: runs of spaces, leading spaces and tabs would
// collapse in plain character data, so they become elements of their own.
void writeText(QXmlStreamWriter &xml, const QString &text)
{
    QString plain;
    auto flush = [&] {
        xml.writeCharacters(plain);
        plain.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\t')) {
            flush();
            xml.writeEmptyElement(TextNs, QStringLiteral("tab"));
        } else if (c != QLatin1Char(' ')) {
            plain += c;
        } else if (i > 0 && i + 1 < text.size() && text[i - 1] != QLatin1Char(' ') &&
                   text[i - 1] != QLatin1Char('\t')) {
            // A single space between words survives as it is.
            plain += c;
        } else {
            int count = 0;
            while (i < text.size() && text[i] == QLatin1Char(' ')) {
                ++count;
                ++i;
            }
            --i;
            flush();
            xml.writeEmptyElement(TextNs, QStringLiteral("s"));
            if (count > 1)
                xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(count));
        }
    }
    flush();
}

// Writes the paragraphs of content.xml, a compact row as a table of its own.
class BodyWriter
{
public:
    BodyWriter(QXmlStreamWriter &xml, const QHash<QString, int> &styleIndex)
        : m_xml(xml)
        , m_styleIndex(styleIndex)
    {}

    void paragraph(const Paragraph &paragraph)
    {
        m_xml.writeStartElement(TextNs, QStringLiteral("p"));
        if (isPicture(paragraph)) {
            if (paragraph.keepWithNext)
                m_xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                                     QStringLiteral("PictureKept"));
            m_xml.writeStartElement(DrawNs, QStringLiteral("frame"));
            m_xml.writeAttribute(DrawNs, QStringLiteral("name"),
                                 QStringLiteral("Picture%1").arg(++m_pictureCount));
            m_xml.writeAttribute(TextNs, QStringLiteral("anchor-type"), QStringLiteral("as-char"));
            m_xml.writeAttribute(SvgNs, QStringLiteral("width"),
                                 length(paragraph.pictureSize.width()));
            m_xml.writeAttribute(SvgNs, QStringLiteral("height"),
                                 length(paragraph.pictureSize.height()));
            m_xml.writeAttribute(DrawNs, QStringLiteral("z-index"), QStringLiteral("0"));
            m_xml.writeEmptyElement(DrawNs, QStringLiteral("image"));
            m_xml.writeAttribute(XlinkNs, QStringLiteral("href"), picturePath(paragraph));
            m_xml.writeAttribute(XlinkNs, QStringLiteral("type"), QStringLiteral("simple"));
            m_xml.writeAttribute(XlinkNs, QStringLiteral("show"), QStringLiteral("embed"));
            m_xml.writeAttribute(XlinkNs, QStringLiteral("actuate"), QStringLiteral("onLoad"));
            m_xml.writeEndElement(); // frame
        } else {
            const int index = m_styleIndex.value(formatKey(paragraph));
            m_xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                                 QStringLiteral("P%1").arg(index));
            if (!paragraph.text.isEmpty()) {
                m_xml.writeStartElement(TextNs, QStringLiteral("span"));
                m_xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                                     QStringLiteral("T%1").arg(index));
                writeText(m_xml, paragraph.text);
                m_xml.writeEndElement();
            }
        }
        m_xml.writeEndElement(); // p
    }

    // A row of the compact layout: the card's picture on the left, its text
    // beside it, never split across pages.
    void row(const QList<Paragraph> &paragraphs)
    {
        m_xml.writeStartElement(TableNs, QStringLiteral("table"));
        m_xml.writeAttribute(TableNs, QStringLiteral("name"),
                             QStringLiteral("Position%1").arg(++m_rowCount));
        m_xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("Row"));
        for (const char *column : {"PictureColumn", "TextColumn"}) {
            m_xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
            m_xml.writeAttribute(TableNs, QStringLiteral("style-name"), QLatin1String(column));
        }
        m_xml.writeStartElement(TableNs, QStringLiteral("table-row"));
        m_xml.writeAttribute(TableNs, QStringLiteral("style-name"), QStringLiteral("KeptRow"));
        for (const QList<Paragraph> &cell : {paragraphs.mid(0, 1), paragraphs.mid(1)}) {
            m_xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
            m_xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("string"));
            for (const Paragraph &inCell : cell)
                paragraph(inCell);
            m_xml.writeEndElement(); // table-cell
        }
        m_xml.writeEndElement(); // table-row
        m_xml.writeEndElement(); // table
    }

private:
    QXmlStreamWriter &m_xml;
    const QHash<QString, int> &m_styleIndex;
    int m_pictureCount = 0;
    int m_rowCount = 0;
};

// The styles of the compact layout's rows: a card column as wide as the
// pictures and the margin beside them, the text column the rest.
void writeRowStyles(QXmlStreamWriter &xml, int textWidth)
{
    const int pictureWidth = DocumentBlocks::CompactCardWidthHundredthsMm + 400;
    auto style = [&](const QString &name, const QString &family, const QString &properties) {
        xml.writeStartElement(StyleNs, QStringLiteral("style"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
        xml.writeAttribute(StyleNs, QStringLiteral("family"), family);
        xml.writeEmptyElement(StyleNs, properties);
    };
    style(QStringLiteral("Row"), QStringLiteral("table"), QStringLiteral("table-properties"));
    xml.writeAttribute(StyleNs, QStringLiteral("width"), length(textWidth));
    xml.writeAttribute(TableNs, QStringLiteral("align"), QStringLiteral("left"));
    xml.writeEndElement();
    style(QStringLiteral("PictureColumn"), QStringLiteral("table-column"),
          QStringLiteral("table-column-properties"));
    xml.writeAttribute(StyleNs, QStringLiteral("column-width"), length(pictureWidth));
    xml.writeEndElement();
    style(QStringLiteral("TextColumn"), QStringLiteral("table-column"),
          QStringLiteral("table-column-properties"));
    xml.writeAttribute(StyleNs, QStringLiteral("column-width"), length(textWidth - pictureWidth));
    xml.writeEndElement();
    style(QStringLiteral("KeptRow"), QStringLiteral("table-row"),
          QStringLiteral("table-row-properties"));
    xml.writeAttribute(FoNs, QStringLiteral("keep-together"), QStringLiteral("always"));
    xml.writeEndElement();
    style(QStringLiteral("PictureKept"), QStringLiteral("paragraph"),
          QStringLiteral("paragraph-properties"));
    xml.writeAttribute(FoNs, QStringLiteral("keep-with-next"), QStringLiteral("always"));
    xml.writeEndElement();
}

QByteArray content(const ReportModel &model, const QList<Paragraph> &paragraphs)
{
    // One paragraph style and one text style per character format in use.
    QList<Paragraph> formats;
    QHash<QString, int> styleIndex;
    for (const Paragraph &paragraph : paragraphs) {
        if (isPicture(paragraph))
            continue;
        const QString key = formatKey(paragraph);
        if (!styleIndex.contains(key)) {
            formats.append(paragraph);
            styleIndex.insert(key, int(formats.size()));
        }
    }
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        writeNamespaces(xml);
        xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
        writeFontFaces(xml);
        xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        auto writeStyle = [&](const QString &name, const QString &family, const Paragraph &format) {
            xml.writeStartElement(StyleNs, QStringLiteral("style"));
            xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
            xml.writeAttribute(StyleNs, QStringLiteral("family"), family);
            if (format.keepWithNext && family == QLatin1String("paragraph")) {
                xml.writeEmptyElement(StyleNs, QStringLiteral("paragraph-properties"));
                xml.writeAttribute(FoNs, QStringLiteral("keep-with-next"),
                                   QStringLiteral("always"));
            }
            xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
            xml.writeAttribute(StyleNs, QStringLiteral("font-name"), fontName());
            xml.writeAttribute(FoNs, QStringLiteral("color"), format.colour.name());
            xml.writeAttribute(FoNs, QStringLiteral("font-size"),
                               QString::number(format.pointSize) + QStringLiteral("pt"));
            xml.writeAttribute(FoNs, QStringLiteral("font-weight"),
                               format.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
            xml.writeEndElement();
        };
        for (int i = 0; i < formats.size(); ++i) {
            writeStyle(QStringLiteral("P%1").arg(i + 1), QStringLiteral("paragraph"), formats[i]);
            writeStyle(QStringLiteral("T%1").arg(i + 1), QStringLiteral("text"), formats[i]);
        }
        writeRowStyles(xml, model.paper.size.width() - 2 * DocumentBlocks::PageMarginHundredthsMm);
        xml.writeEndElement(); // automatic-styles

        xml.writeStartElement(OfficeNs, QStringLiteral("body"));
        xml.writeStartElement(OfficeNs, QStringLiteral("text"));
        BodyWriter body(xml, styleIndex);
        for (int i = 0; i < paragraphs.size();) {
            const DocumentBlocks::RowSpan span = DocumentBlocks::rowAt(paragraphs, i);
            if (paragraphs[i].row >= 0 && isPicture(paragraphs[i])) {
                body.row(paragraphs.mid(span.first, span.end - span.first));
                i = span.end;
            } else {
                body.paragraph(paragraphs[i++]);
            }
        }
        xml.writeEndElement(); // text
        xml.writeEndElement(); // body
        xml.writeEndElement(); // document-content
    });
}

// The default font and language, and the page: what readers other than a
// full office suite need besides the content.
QByteArray styles(const ReportModel &model)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        writeNamespaces(xml);
        xml.writeStartElement(OfficeNs, QStringLiteral("document-styles"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
        writeFontFaces(xml);
        xml.writeStartElement(OfficeNs, QStringLiteral("styles"));
        xml.writeStartElement(StyleNs, QStringLiteral("default-style"));
        xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
        xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
        xml.writeAttribute(StyleNs, QStringLiteral("font-name"), fontName());
        xml.writeAttribute(FoNs, QStringLiteral("language"), model.languageTag);
        xml.writeAttribute(FoNs, QStringLiteral("country"), QStringLiteral("none"));
        xml.writeEndElement(); // default-style
        xml.writeEmptyElement(StyleNs, QStringLiteral("style"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("Standard"));
        xml.writeAttribute(StyleNs, QStringLiteral("family"), QStringLiteral("paragraph"));
        xml.writeAttribute(StyleNs, QStringLiteral("class"), QStringLiteral("text"));
        xml.writeEndElement(); // styles
        xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        xml.writeStartElement(StyleNs, QStringLiteral("page-layout"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("Page"));
        xml.writeEmptyElement(StyleNs, QStringLiteral("page-layout-properties"));
        xml.writeAttribute(FoNs, QStringLiteral("page-width"), length(model.paper.size.width()));
        xml.writeAttribute(FoNs, QStringLiteral("page-height"), length(model.paper.size.height()));
        xml.writeAttribute(StyleNs, QStringLiteral("print-orientation"),
                           QStringLiteral("portrait"));
        for (const char *side : {"margin-top", "margin-bottom", "margin-left", "margin-right"})
            xml.writeAttribute(FoNs, QLatin1String(side),
                               length(DocumentBlocks::PageMarginHundredthsMm));
        xml.writeEndElement(); // page-layout
        xml.writeEndElement(); // automatic-styles
        xml.writeStartElement(OfficeNs, QStringLiteral("master-styles"));
        xml.writeEmptyElement(StyleNs, QStringLiteral("master-page"));
        xml.writeAttribute(StyleNs, QStringLiteral("name"), QStringLiteral("Standard"));
        xml.writeAttribute(StyleNs, QStringLiteral("page-layout-name"), QStringLiteral("Page"));
        xml.writeEndElement(); // master-styles
        xml.writeEndElement(); // document-styles
    });
}

// The title, language and date readers show as the document's properties.
QByteArray meta(const ReportModel &model, const QDate &date)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(OfficeNs, QStringLiteral("office"));
        xml.writeNamespace(MetaNs, QStringLiteral("meta"));
        xml.writeNamespace(DcNs, QStringLiteral("dc"));
        xml.writeStartElement(OfficeNs, QStringLiteral("document-meta"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
        xml.writeStartElement(OfficeNs, QStringLiteral("meta"));
        xml.writeTextElement(MetaNs, QStringLiteral("generator"), QStringLiteral("Quillmoor"));
        xml.writeTextElement(DcNs, QStringLiteral("title"), model.spreadName);
        xml.writeTextElement(DcNs, QStringLiteral("language"), model.languageTag);
        xml.writeTextElement(MetaNs, QStringLiteral("creation-date"),
                             date.toString(Qt::ISODate) + QStringLiteral("T00:00:00"));
        xml.writeEndElement(); // meta
        xml.writeEndElement(); // document-meta
    });
}

QByteArray manifest(const QStringList &pictures)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(ManifestNs, QStringLiteral("manifest"));
        xml.writeStartElement(ManifestNs, QStringLiteral("manifest"));
        xml.writeAttribute(ManifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
        auto entry = [&](const QString &path, const QString &type) {
            xml.writeEmptyElement(ManifestNs, QStringLiteral("file-entry"));
            xml.writeAttribute(ManifestNs, QStringLiteral("full-path"), path);
            if (path == QLatin1String("/"))
                xml.writeAttribute(ManifestNs, QStringLiteral("version"), OdfVersion);
            xml.writeAttribute(ManifestNs, QStringLiteral("media-type"), type);
        };
        entry(QStringLiteral("/"), MimeType);
        for (const char *part : {"content.xml", "styles.xml", "meta.xml"})
            entry(QLatin1String(part), QStringLiteral("text/xml"));
        for (const QString &picture : pictures)
            entry(picture, QStringLiteral("image/png"));
        xml.writeEndElement();
    });
}

} // namespace

QString OdtReport::extension() const
{
    return QStringLiteral("odt");
}

bool OdtReport::package(const ReportModel &model, const QDate &date, const QString &pictureFolder,
                        ZipPackage &package, QString *errorString) const
{
    QList<Paragraph> paragraphs;
    if (!DocumentBlocks::build(model, date, pictureFolder, QColor(0x00, 0x78, 0x00), paragraphs,
                               errorString))
        return false;
    package = ZipPackage();
    // Readers recognise the format by this part, which must come first and
    // uncompressed.
    package.add(QStringLiteral("mimetype"), MimeType.toLatin1(), true);
    package.add(QStringLiteral("content.xml"), content(model, paragraphs));
    package.add(QStringLiteral("styles.xml"), styles(model));
    package.add(QStringLiteral("meta.xml"), meta(model, date));
    QStringList pictures;
    for (const Paragraph &paragraph : paragraphs) {
        if (!isPicture(paragraph))
            continue;
        pictures.append(picturePath(paragraph));
        // PNG is compressed already; deflating it again gains nothing.
        package.add(pictures.last(), DocumentBlocks::pngData(paragraph.picture), true);
    }
    package.add(QStringLiteral("META-INF/manifest.xml"), manifest(pictures));
    return true;
}
