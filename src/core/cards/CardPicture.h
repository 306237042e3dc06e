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

// A card picture is a JPEG of a few hundred kilobytes; even one at the
// largest size decoded (4096 by 4096 pixels) at full quality stays far below
// this, so anything larger is no card picture.
inline constexpr qint64 LargestFile = 64LL * 1024 * 1024;

QString path(const DataRoots &roots, const QString &deckName, int number);

// Why the picture of card `number` cannot be read although it is there: it is
// a pipe, a device or a folder, or larger than LargestFile. Empty when it can
// be read or is simply missing (a missing picture gets a drawn face quietly).
QString fault(const DataRoots &roots, const QString &deckName, int number);

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
