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

QString formatKey(const Paragraph &paragraph)
{
    return QStringLiteral("%1/%2/%3")
        .arg(paragraph.bold)
        .arg(paragraph.pointSize)
        .arg(paragraph.colour.name());
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

QByteArray content(const QList<Paragraph> &paragraphs)
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
        xml.writeNamespace(OfficeNs, QStringLiteral("office"));
        xml.writeNamespace(StyleNs, QStringLiteral("style"));
        xml.writeNamespace(TextNs, QStringLiteral("text"));
        xml.writeNamespace(DrawNs, QStringLiteral("draw"));
        xml.writeNamespace(FoNs, QStringLiteral("fo"));
        xml.writeNamespace(SvgNs, QStringLiteral("svg"));
        xml.writeNamespace(XlinkNs, QStringLiteral("xlink"));
        xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
        xml.writeAttribute(OfficeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        xml.writeStartElement(OfficeNs, QStringLiteral("automatic-styles"));
        auto writeStyle = [&](const QString &name, const QString &family, const Paragraph &format) {
            xml.writeStartElement(StyleNs, QStringLiteral("style"));
            xml.writeAttribute(StyleNs, QStringLiteral("name"), name);
            xml.writeAttribute(StyleNs, QStringLiteral("family"), family);
            xml.writeEmptyElement(StyleNs, QStringLiteral("text-properties"));
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
        xml.writeEndElement(); // automatic-styles

        xml.writeStartElement(OfficeNs, QStringLiteral("body"));
        xml.writeStartElement(OfficeNs, QStringLiteral("text"));
        int pictureCount = 0;
        for (const Paragraph &paragraph : paragraphs) {
            xml.writeStartElement(TextNs, QStringLiteral("p"));
            if (isPicture(paragraph)) {
                const QSize size =
                    DocumentBlocks::pictureSizeHundredthsMm(paragraph.picture.size());
                xml.writeStartElement(DrawNs, QStringLiteral("frame"));
                xml.writeAttribute(DrawNs, QStringLiteral("name"),
                                   QStringLiteral("Picture%1").arg(++pictureCount));
                xml.writeAttribute(TextNs, QStringLiteral("anchor-type"),
                                   QStringLiteral("as-char"));
                xml.writeAttribute(SvgNs, QStringLiteral("width"), length(size.width()));
                xml.writeAttribute(SvgNs, QStringLiteral("height"), length(size.height()));
                xml.writeAttribute(DrawNs, QStringLiteral("z-index"), QStringLiteral("0"));
                xml.writeEmptyElement(DrawNs, QStringLiteral("image"));
                xml.writeAttribute(XlinkNs, QStringLiteral("href"), picturePath(paragraph));
                xml.writeAttribute(XlinkNs, QStringLiteral("type"), QStringLiteral("simple"));
                xml.writeAttribute(XlinkNs, QStringLiteral("show"), QStringLiteral("embed"));
                xml.writeAttribute(XlinkNs, QStringLiteral("actuate"), QStringLiteral("onLoad"));
                xml.writeEndElement(); // frame
            } else {
                const int index = styleIndex.value(formatKey(paragraph));
                xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                                   QStringLiteral("P%1").arg(index));
                if (!paragraph.text.isEmpty()) {
                    xml.writeStartElement(TextNs, QStringLiteral("span"));
                    xml.writeAttribute(TextNs, QStringLiteral("style-name"),
                                       QStringLiteral("T%1").arg(index));
                    writeText(xml, paragraph.text);
                    xml.writeEndElement();
                }
            }
            xml.writeEndElement(); // p
        }
        xml.writeEndElement(); // text
        xml.writeEndElement(); // body
        xml.writeEndElement(); // document-content
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
                xml.writeAttribute(ManifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
            xml.writeAttribute(ManifestNs, QStringLiteral("media-type"), type);
        };
        entry(QStringLiteral("/"), MimeType);
        entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"));
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
    package.add(QStringLiteral("content.xml"), content(paragraphs));
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
