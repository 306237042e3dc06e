#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct ReportModel;

// The pictures every report shows, written as PNG before the document is
// built: "<i>.png", the card of position i at its own size and turned when it
// lies reversed, and "1000.png", a drawing of the whole spread with each
// position as an outline or as a miniature of its card. A web page keeps them
// beside it; the other documents embed them.
namespace ReportPictures {

inline constexpr char SpreadPictureName[] = "1000.png";

// The base width of the spread picture: narrower for the outlines.
int baseWidth(bool schematic);

// The spread picture's size for a spread reaching to `extent` on the table:
// base width wide unless that would make it more than 50 pixels taller than
// the base width, in which case it is that tall and narrower.
QSize spreadPictureSize(const QSize &extent, bool schematic);

// "<i>.png" for position i.
QString cardPictureName(int position);

// Draws the spread picture. A position whose card picture cannot be loaded
// is left out.
QImage spreadPicture(const ReportModel &model);

// Writes every picture into `folder`. A card picture that is missing or
// damaged is skipped without a word; false, with the reason in
// `errorString`, only when the spread picture cannot be written.
bool write(const ReportModel &model, const QString &folder, QString *errorString = nullptr);

} // namespace ReportPictures
