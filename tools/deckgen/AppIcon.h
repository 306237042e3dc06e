#pragma once

#include <QList>
#include <QString>

// The application icon: the medallion from the card back on a card-green
// tile with a gold rim, as a scalable SVG and as PNGs of the usual sizes.
namespace AppIcon {

// Pixel sizes of the PNG icons.
QList<int> pngSizes();

// Writes quillmoor.svg and quillmoor-<size>.png into `folder`; false with
// `error` set when a file cannot be written.
bool write(const QString &folder, QString *error);

} // namespace AppIcon
