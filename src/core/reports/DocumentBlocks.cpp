#include "core/reports/DocumentBlocks.h"

#include "core/reports/ReportModel.h"
#include "core/reports/ReportPictures.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QLocale>
#include <QRegularExpression>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

using Paragraph = DocumentBlocks::Paragraph;

Paragraph textParagraph(Paragraph::Kind kind, const QString &text, bool bold, int pointSize,
                        const QColor &colour)
{
    Paragraph paragraph;
    paragraph.kind = kind;
    paragraph.text = text;
    paragraph.bold = bold;
    paragraph.pointSize = pointSize;
    paragraph.colour = colour;
    return paragraph;
}

// Adds `paragraph` and the empty ones that make `breaks` paragraph breaks
// after it. An empty paragraph keeps the format of the text before it, as
// typing on would; after a picture it is plain 12-point text.
void append(QList<Paragraph> &paragraphs, const Paragraph &paragraph, int breaks)
{
    paragraphs.append(paragraph);
    for (int i = 1; i < breaks; ++i) {
        Paragraph gap;
        if (paragraph.picture.isNull()) {
            gap = paragraph;
            gap.text.clear();
        } else {
            gap.pointSize = 12;
            gap.colour = Qt::black;
        }
        gap.kind = Paragraph::Kind::Gap;
        paragraphs.append(gap);
    }
}

} // namespace

QSize DocumentBlocks::pictureSizeHundredthsMm(const QSize &pixels, int dpi)
{
    return {pixels.width() * dpi * 100 / 363, pixels.height() * dpi * 100 / 363};
}

QString DocumentBlocks::headingText(const QString &spreadName, const QDate &date)
{
    return spreadName + QStringLiteral(" (") + QLocale().toString(date, QLocale::ShortFormat) +
           QLatin1Char(')');
}

bool DocumentBlocks::build(const ReportModel &model, const QDate &date,
                           const QString &pictureFolder, const QColor &cardLineColour,
                           QList<Paragraph> &paragraphs, QString *errorString)
{
    paragraphs.clear();
    const QDir folder(pictureFolder);
    append(paragraphs,
           textParagraph(Paragraph::Kind::Heading, headingText(model.spreadName, date), true, 16,
                         QColor(0, 0, 255)),
           2);
    const bool compact = model.options.compact;
    auto pictureParagraph = [&](Paragraph::Kind kind, const QString &name) {
        Paragraph paragraph;
        paragraph.kind = kind;
        paragraph.pictureName = name;
        QImageReader reader(folder.filePath(name));
        paragraph.picture = reader.read();
        paragraph.pictureSize = pictureSizeHundredthsMm(paragraph.picture.size());
        if (compact && kind == Paragraph::Kind::CardPicture && !paragraph.picture.isNull())
            paragraph.pictureSize =
                QSize(CompactCardWidthHundredthsMm, CompactCardWidthHundredthsMm *
                                                        paragraph.picture.height() /
                                                        std::max(1, paragraph.picture.width()));
        return paragraph;
    };
    if (model.options.spreadView) {
        const Paragraph picture = pictureParagraph(
            Paragraph::Kind::SpreadPicture, QLatin1String(ReportPictures::SpreadPictureName));
        if (picture.picture.isNull()) {
            if (errorString)
                *errorString =
                    QStringLiteral("The spread picture %1 cannot be read.")
                        .arg(QDir::toNativeSeparators(folder.filePath(picture.pictureName)));
            return false;
        }
        append(paragraphs, picture, 2);
    }
    // The heading stays with what follows it.
    paragraphs[0].keepWithNext = true;
    paragraphs[1].keepWithNext = true;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (int i = 0; i < model.positions.size(); ++i) {
        const ReportModel::Position &position = model.positions[i];
        const int first = int(paragraphs.size());
        // A card's picture leads its row in the compact layout.
        if (compact && model.options.bigCards) {
            const Paragraph picture =
                pictureParagraph(Paragraph::Kind::CardPicture, ReportPictures::cardPictureName(i));
            if (!picture.picture.isNull())
                paragraphs.append(picture);
        }
        append(paragraphs,
               textParagraph(Paragraph::Kind::PositionLine, position.documentHeading, true, 12,
                             Qt::black),
               1);
        QString cardLine = position.cardTitle;
        if (position.reversed)
            cardLine += QStringLiteral(" (") + model.reversedWord + QStringLiteral(") ");
        append(paragraphs,
               textParagraph(Paragraph::Kind::CardLine, cardLine, true, 12, cardLineColour), 2);
        if (model.options.bigCards && !compact) {
            const Paragraph picture =
                pictureParagraph(Paragraph::Kind::CardPicture, ReportPictures::cardPictureName(i));
            if (!picture.picture.isNull())
                append(paragraphs, picture, 2);
        }
        if (model.options.explanations && !position.significator) {
            // Each line of the meaning is a paragraph of its own.
            const QStringList lines = position.meaning.split(lineBreak);
            for (int line = 0; line < lines.size(); ++line)
                append(paragraphs,
                       textParagraph(Paragraph::Kind::Meaning, lines[line], false, 10, Qt::black),
                       line + 1 == lines.size() ? 2 : 1);
        }
        // Everything before the first line of the meaning (or before the
        // position's last paragraph) stays with what follows it.
        int kept = int(paragraphs.size()) - 1;
        for (int p = first; p < int(paragraphs.size()); ++p) {
            if (paragraphs[p].kind == Paragraph::Kind::Meaning) {
                kept = p;
                break;
            }
        }
        for (int p = first; p < kept; ++p)
            paragraphs[p].keepWithNext = true;
        if (compact) {
            // The row holds the position's text; the gap after it stands between rows.
            for (int p = first; p < int(paragraphs.size()); ++p)
                paragraphs[p].row = i;
            if (paragraphs.last().kind == Paragraph::Kind::Gap && paragraphs.size() - first > 1)
                paragraphs.last().row = -1;
        }
    }
    return true;
}

DocumentBlocks::RowSpan DocumentBlocks::rowAt(const QList<Paragraph> &paragraphs, int first)
{
    RowSpan span{first, first};
    const int row = paragraphs.at(first).row;
    while (span.end < paragraphs.size() && paragraphs.at(span.end).row == row)
        ++span.end;
    return span;
}

QByteArray DocumentBlocks::xmlPart(const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    body(xml);
    xml.writeEndDocument();
    return bytes;
}

QByteArray DocumentBlocks::pngData(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Light compression: the user waits for the document, and this writes
    // the pictures about three times faster than the default for files a
    // little larger.
    picture.save(&buffer, "PNG", 80);
    return bytes;
}
