#pragma once

#include "core/data/DataRoots.h"

#include <QImage>
#include <QSize>
#include <QString>

// Where a card's picture lies and how it is shown: every window takes the
// face from the deck folder and turns it by 180 degrees for a reversed card.
namespace CardPicture {

// The size a face drawn for a missing picture has when no size is asked for.
inline constexpr QSize PlaceholderSize{200, 290};

QString path(const DataRoots &roots, const QString &deckName, int number);

// The picture turned by 180 degrees: pixel (x, y) goes to (w-1-x, h-1-y).
QImage turned(const QImage &picture);

// The picture's own size, read from its header; invalid when it cannot be read.
QSize pictureSize(const DataRoots &roots, const QString &deckName, int number);

// Decodes the picture at `size` (its own size when empty), turned when
// `reversed`; a null image when the file is missing or damaged (a JPEG cut
// short counts as damaged, rather than showing its missing part grey). The
// JPEG decoder scales while decoding, so a small face costs less than a full
// decode. A picture too large to decode whole within the image reader's
// allocation limit is decoded scaled down to fit it.
QImage load(const DataRoots &roots, const QString &deckName, int number, bool reversed,
            const QSize &size = {});

// The face shown for a card whose picture is missing or damaged: a plain card
// with a frame and the card's title, at `size` (PlaceholderSize when empty).
QImage placeholder(const QString &title, const QSize &size);

} // namespace CardPicture
