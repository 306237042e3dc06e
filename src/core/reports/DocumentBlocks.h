#pragma once

#include <QColor>
#include <QDate>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QXmlStreamWriter;
struct ReportModel;

// The paragraphs of a report written as a word-processor document, the same
// for every such format: the heading, the spread picture, and per position
// its line, the card's line, its picture and its meaning. Each paragraph has
// one character format; the writers only turn it into their own markup.
namespace DocumentBlocks {

struct Paragraph
{
    enum class Kind
    {
        Heading,
        SpreadPicture,
        PositionLine,
        CardLine,
        CardPicture,
        Meaning,
        // An empty paragraph that separates the blocks.
        Gap,
    };

    Kind kind = Kind::Gap;
    QString text;
    bool bold = false;
    int pointSize = 0;
    QColor colour;
    // For the pictures: the file name it came from, its pixels and its size
    // on the page in hundredths of a millimetre.
    QString pictureName;
    QImage picture;
    QSize pictureSize;
    // Kept on the same page as the paragraph after it, so a heading never
    // stands alone at the foot of a page.
    bool keepWithNext = false;
    // In the compact layout the paragraphs of one position share a row,
    // numbered from 0: its picture on the left, its text on the right. -1
    // outside such a row.
    int row = -1;
};

// The pixels per inch the pictures are placed at.
inline constexpr int PictureDpi = 96;
// The one font family of every report, in every format; it has Latin and
// Cyrillic letters, and readers without it fall back to a sans-serif one.
inline constexpr char FontFamily[] = "DejaVu Sans";
// The width of a card's picture in the compact layout.
inline constexpr int CompactCardWidthHundredthsMm = 4000;
// The margin around the text on every side of the page.
inline constexpr int PageMarginHundredthsMm = 2000;

// The paragraphs of a row of the compact layout: [first, end).
struct RowSpan
{
    int first = 0;
    int end = 0;
};
// The row starting at paragraph `first` of `paragraphs`.
RowSpan rowAt(const QList<Paragraph> &paragraphs, int first);

// A picture's size on the page in hundredths of a millimetre: pixel size
// times pixels per inch times 100 / 363, in whole numbers.
QSize pictureSizeHundredthsMm(const QSize &pixels, int dpi = PictureDpi);

// The heading's text: the spread name and the date, in the locale's short form.
QString headingText(const QString &spreadName, const QDate &date);

// The paragraphs of `model`'s report dated `date`, the pictures read from
// `pictureFolder` (where the report pictures were written). A position's
// heading and card line are kept with what follows them, up to the first line
// of its meaning; in the compact layout each position is a row. `cardLineColour`
// is the colour of the cards' titles, which differs between the formats. A
// card picture that cannot be read is left out, as the spread picture
// leaves out its card; false, with the reason in `errorString`, when the
// spread picture is asked for and cannot be read.
bool build(const ReportModel &model, const QDate &date, const QString &pictureFolder,
           const QColor &cardLineColour, QList<Paragraph> &paragraphs,
           QString *errorString = nullptr);

// One XML part of a document: the declaration, then what `body` writes.
QByteArray xmlPart(const std::function<void(QXmlStreamWriter &)> &body);

// A picture as the PNG bytes the documents embed.
QByteArray pngData(const QImage &picture);

} // namespace DocumentBlocks
