#include "core/reports/PdfReport.h"

#include "core/reports/DocumentBlocks.h"
#include "core/reports/ReportModel.h"
#include "core/util/WholeFile.h"

#include <QDate>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

using Paragraph = DocumentBlocks::Paragraph;

// The text engine lays out at this many pixels per inch before printing
// scales to the paper, so a picture is as large as in the other documents.
constexpr qreal LayoutDpi = DocumentBlocks::PictureDpi;

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
    QTextCursor cursor(document.get());
    for (int i = 0; i < paragraphs.size(); ++i) {
        const Paragraph &paragraph = paragraphs[i];
        QTextCharFormat format;
        format.setFontWeight(paragraph.bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(paragraph.pointSize > 0 ? paragraph.pointSize : 12);
        format.setForeground(paragraph.colour.isValid() ? paragraph.colour : QColor(Qt::black));
        if (i == 0) {
            cursor.setBlockCharFormat(format);
            cursor.setCharFormat(format);
        } else {
            cursor.insertBlock(QTextBlockFormat(), format);
        }
        if (!paragraph.picture.isNull()) {
            const QUrl name(QStringLiteral("picture%1.png").arg(i));
            document->addResource(QTextDocument::ImageResource, name, paragraph.picture);
            QTextImageFormat image;
            image.setName(name.toString());
            image.setWidth(paragraph.picture.width() * LayoutDpi / DocumentBlocks::PictureDpi);
            image.setHeight(paragraph.picture.height() * LayoutDpi / DocumentBlocks::PictureDpi);
            cursor.insertImage(image);
        } else {
            cursor.insertText(paragraph.text, format);
        }
    }
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
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setTitle(model.spreadName);
            writer.setCreator(QStringLiteral("Quillmoor"));
            text->print(&writer);
            return true;
        },
        errorString);
}
