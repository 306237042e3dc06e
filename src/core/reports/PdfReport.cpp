#include "core/reports/PdfReport.h"

#include "core/reports/DocumentBlocks.h"
#include "core/reports/ReportModel.h"
#include "core/util/WholeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <QXmlStreamWriter>

namespace {

using Paragraph = DocumentBlocks::Paragraph;

// The text engine lays out at this many pixels per inch; printing scales the
// laid-out page to the paper.
constexpr qreal LayoutDpi = DocumentBlocks::PictureDpi;

qreal pixels(int hundredthsMm)
{
    return hundredthsMm * LayoutDpi / 2540.0;
}

QTextCharFormat charFormat(const Paragraph &paragraph)
{
    QTextCharFormat format;
    format.setFontFamilies({QLatin1String(DocumentBlocks::FontFamily)});
    format.setFontWeight(paragraph.bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(paragraph.pointSize > 0 ? paragraph.pointSize : 12);
    format.setForeground(paragraph.colour.isValid() ? paragraph.colour : QColor(Qt::black));
    return format;
}

// Writes `paragraph` into the block at the cursor.
void insertContent(QTextDocument &document, QTextCursor &cursor, const Paragraph &paragraph)
{
    if (paragraph.picture.isNull()) {
        cursor.insertText(paragraph.text, charFormat(paragraph));
        return;
    }
    const QUrl name(QStringLiteral("picture%1.png").arg(document.characterCount()));
    document.addResource(QTextDocument::ImageResource, name, paragraph.picture);
    QTextImageFormat image;
    image.setName(name.toString());
    // Whole pixels, as the pictures have.
    image.setWidth(qRound(pixels(paragraph.pictureSize.width())));
    image.setHeight(qRound(pixels(paragraph.pictureSize.height())));
    cursor.insertImage(image);
}

// A stretch of the document that must not be split by a page break: a
// heading with what follows it, or a compact row.
struct KeptTogether
{
    int firstBlock = 0;
    int lastBlock = 0;
    QTextTable *table = nullptr;
};

// Moves each stretch that a page break would split, and that fits on a
// page, to the top of the next page.
void keepTogether(QTextDocument &document, const QList<KeptTogether> &stretches)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const qreal pageHeight = document.pageSize().height();
    const qreal pageBody = pageHeight - 2 * document.rootFrame()->frameFormat().margin();
    for (const KeptTogether &stretch : stretches) {
        const QTextBlock first = document.findBlockByNumber(stretch.firstBlock);
        const QTextBlock last = document.findBlockByNumber(stretch.lastBlock);
        qreal top = 0;
        qreal bottom = 0;
        // The height the stretch needs, apart from any page break inside it.
        qreal height = 0;
        if (stretch.table) {
            const QRectF box = layout->frameBoundingRect(stretch.table);
            top = box.top();
            bottom = box.bottom();
            height = box.height();
        } else {
            top = layout->blockBoundingRect(first).top();
            for (QTextBlock block = first; block != last; block = block.next())
                height += layout->blockBoundingRect(block).height();
            const QRectF lastBox = layout->blockBoundingRect(last);
            // Of the last paragraph only its first line needs to come along.
            const qreal lastLine = last.layout()->lineCount() > 0
                                       ? last.layout()->lineAt(0).rect().bottom()
                                       : lastBox.height();
            bottom = lastBox.top() + lastLine;
            height += lastLine;
        }
        if (int(top / pageHeight) == int(bottom / pageHeight) || height > pageBody)
            continue;
        if (stretch.table) {
            QTextTableFormat format = stretch.table->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            stretch.table->setFormat(format);
        } else {
            QTextCursor cursor(first);
            QTextBlockFormat format = first.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
    }
}

// The metadata readers show: the title, the language and the program.
QByteArray xmpMetadata(const ReportModel &model)
{
    return DocumentBlocks::xmlPart([&](QXmlStreamWriter &xml) {
        const QString x = QStringLiteral("adobe:ns:meta/");
        const QString rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
        const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
        const QString xmp = QStringLiteral("http://ns.adobe.com/xap/1.0/");
        xml.writeNamespace(x, QStringLiteral("x"));
        xml.writeNamespace(rdf, QStringLiteral("rdf"));
        xml.writeNamespace(dc, QStringLiteral("dc"));
        xml.writeNamespace(xmp, QStringLiteral("xmp"));
        xml.writeStartElement(x, QStringLiteral("xmpmeta"));
        xml.writeStartElement(rdf, QStringLiteral("RDF"));
        xml.writeStartElement(rdf, QStringLiteral("Description"));
        xml.writeAttribute(rdf, QStringLiteral("about"), QString());
        xml.writeTextElement(xmp, QStringLiteral("CreatorTool"), QStringLiteral("Quillmoor"));
        xml.writeStartElement(dc, QStringLiteral("title"));
        xml.writeStartElement(rdf, QStringLiteral("Alt"));
        xml.writeStartElement(rdf, QStringLiteral("li"));
        xml.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
        xml.writeCharacters(model.spreadName);
        xml.writeEndElement(); // li
        xml.writeEndElement(); // Alt
        xml.writeEndElement(); // title
        xml.writeStartElement(dc, QStringLiteral("language"));
        xml.writeStartElement(rdf, QStringLiteral("Bag"));
        xml.writeTextElement(rdf, QStringLiteral("li"), model.languageTag);
        xml.writeEndElement(); // Bag
        xml.writeEndElement(); // language
        xml.writeEndElement(); // Description
        xml.writeEndElement(); // RDF
        xml.writeEndElement(); // xmpmeta
    });
}

} // namespace

QString PdfReport::extension() const
{
    return QStringLiteral("pdf");
}

std::unique_ptr<QTextDocument> PdfReport::document(const ReportModel &model, const QDate &date,
                                                   const QString &pictureFolder,
                                                   QString *errorString)
{
    QList<Paragraph> paragraphs;
    if (!DocumentBlocks::build(model, date, pictureFolder, QColor(0x00, 0x80, 0x00), paragraphs,
                               errorString))
        return nullptr;
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, model.spreadName);
    document->setDefaultFont(QFont(QLatin1String(DocumentBlocks::FontFamily)));
    // Laid out on pages of the report's paper, so that breaks can be placed.
    document->setPageSize(
        QSizeF(pixels(model.paper.size.width()), pixels(model.paper.size.height())));
    QTextFrameFormat root = document->rootFrame()->frameFormat();
    root.setMargin(pixels(DocumentBlocks::PageMarginHundredthsMm));
    document->rootFrame()->setFrameFormat(root);

    QTextCursor cursor(document.get());
    QList<KeptTogether> stretches;
    int keptFrom = -1;
    const int cardColumn = DocumentBlocks::CompactCardWidthHundredthsMm + 400;
    for (int i = 0; i < paragraphs.size();) {
        const Paragraph &paragraph = paragraphs[i];
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), charFormat(paragraph));
        else
            cursor.setBlockCharFormat(charFormat(paragraph));
        if (paragraph.row >= 0 && !paragraph.picture.isNull()) {
            const DocumentBlocks::RowSpan span = DocumentBlocks::rowAt(paragraphs, i);
            QTextTableFormat format;
            format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
            format.setCellPadding(0);
            format.setColumnWidthConstraints(
                {QTextLength(QTextLength::FixedLength, pixels(cardColumn)),
                 QTextLength(QTextLength::VariableLength, 0)});
            QTextTable *table = cursor.insertTable(1, 2, format);
            QTextCursor cell = table->cellAt(0, 0).firstCursorPosition();
            insertContent(*document, cell, paragraph);
            cell = table->cellAt(0, 1).firstCursorPosition();
            for (int p = span.first + 1; p < span.end; ++p) {
                if (p > span.first + 1)
                    cell.insertBlock(QTextBlockFormat(), charFormat(paragraphs[p]));
                else
                    cell.setBlockCharFormat(charFormat(paragraphs[p]));
                insertContent(*document, cell, paragraphs[p]);
            }
            stretches.append({0, 0, table});
            cursor = QTextCursor(document.get());
            cursor.movePosition(QTextCursor::End);
            i = span.end;
            continue;
        }
        insertContent(*document, cursor, paragraph);
        const int block = cursor.block().blockNumber();
        if (paragraph.keepWithNext && keptFrom < 0)
            keptFrom = block;
        else if (!paragraph.keepWithNext && keptFrom >= 0) {
            stretches.append({keptFrom, block, nullptr});
            keptFrom = -1;
        }
        ++i;
    }
    keepTogether(*document, stretches);
    // The breaks placed above moved what follows; lay it all out anew so
    // the page count is that of the pages printed.
    document->markContentsDirty(0, document->characterCount());
    return document;
}

bool PdfReport::write(const ReportModel &model, const QString &path, const QString &pictureFolder,
                      QString *errorString) const
{
    const std::unique_ptr<QTextDocument> text =
        document(model, QDate::currentDate(), pictureFolder, errorString);
    if (!text)
        return false;
    return WholeFile::write(
        path,
        [&](QIODevice &device, QString *) {
            QPdfWriter writer(&device);
            // The document's pages carry their margins, so the paper has none.
            writer.setPageLayout(
                QPageLayout(QPageSize(QSizeF(model.paper.size) / 100.0, QPageSize::Millimeter,
                                      model.paper.name, QPageSize::ExactMatch),
                            QPageLayout::Portrait, QMarginsF()));
            writer.setTitle(model.spreadName);
            writer.setCreator(QStringLiteral("Quillmoor"));
            writer.setDocumentXmpMetadata(xmpMetadata(model));
            text->print(&writer);
            return true;
        },
        errorString);
}
