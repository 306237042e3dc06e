#pragma once

#include <QImage>
#include <QString>

// Where a card's picture lies and how it is shown: every window takes the
// face from the deck folder and turns it by 180 degrees for a reversed card.
namespace CardPicture {

QString path(const QString &appDir, const QString &deckName, int number);

// The picture turned by 180 degrees: pixel (x, y) goes to (w-1-x, h-1-y).
QImage turned(const QImage &picture);

// Decodes the picture, turned when `reversed`; a null image when the file is
// missing or damaged.
QImage load(const QString &appDir, const QString &deckName, int number, bool reversed);

} // namespace CardPicture
