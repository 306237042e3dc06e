#pragma once

#include "core/data/DataRoots.h"

#include <QByteArray>
#include <QString>

// Where a card's meaning text is kept and how it is found: the deck's own
// text first, then the language's default, then the English default. The
// detail window and the reports look texts up the same way.
namespace MeaningText {

// A card's meaning is a few paragraphs; even a long essay stays far below
// this, so a larger file is no meaning text.
inline constexpr qint64 LargestFile = 4LL * 1024 * 1024;

// One card's meaning, and where the program's data lies.
struct Source
{
    DataRoots roots;
    QString deckName;
    QString language;
    int number = 0;
    bool reversed = false;
};

// "7.txt" for the upright meaning of card 7, "7r.txt" for the reversed one.
QString fileName(int number, bool reversed);

// The files a meaning is read from, each the user's when they have one,
// else the bundled one (where it would be when neither exists).
QString deckPath(const Source &source);
QString languagePath(const Source &source);
QString englishPath(const Source &source);

// Where the deck's meaning is written: among the user's files.
QString deckTarget(const Source &source);

// The deck's text unless it is missing or empty; otherwise the language's
// text when that file exists, else the English one. When neither default
// file exists the result is the full path of the English file, so the user
// sees where a default meaning would go. A reversed card uses only the
// reversed texts.
QByteArray lookup(const Source &source);

// Where a default meaning is saved, among the user's files: the language's
// own file when the language has one, otherwise the English file.
QString defaultTarget(const Source &source);

// Writes `text` as the default meaning when `asDefault` and as the deck's
// meaning when `withDeck`. A failed write does not stop the other one; the
// result is false when any failed, and `errorString` then names each file
// that could not be written and why.
bool save(const Source &source, const QByteArray &text, bool withDeck, bool asDefault,
          QString *errorString = nullptr);

} // namespace MeaningText
