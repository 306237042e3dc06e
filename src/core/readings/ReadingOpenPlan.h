#pragma once

#include "core/data/DataRoots.h"

#include "core/engine/Deck.h"
#include "core/readings/ReadingFile.h"
#include "core/spreads/Spread.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class UiTextTable;

// Everything opening a reading file will do to the table, worked out before
// the table changes, so that a damaged file is refused whole. The table
// window runs the steps that need windows and takes every decision from here.
class ReadingOpenPlan
{
public:
    enum class Outcome
    {
        Ready,
        // Nothing to open and nothing to say.
        EmptyFile,
        NoSuchFile,
        Unreadable,
        SpreadMissing,
        // The spread file is there but could not be read.
        SpreadUnreadable,
        // The spread has gained or lost positions since the reading was
        // saved: its position lines no longer match the spread's count.
        SpreadChanged,
        // The file has no reading header and does not hold a whole older
        // reading either: a picture, a text, anything else.
        NotAReadingFile,
        // Made with a deck that has the 79th card, which the current deck
        // lacks: the warning dialog is shown instead.
        NeedsDeck79,
    };

    // What the table offers a reading: where the spreads lie and which are
    // installed, whether the deck has the 79th card, and the Major Arcana
    // option now.
    struct Context
    {
        DataRoots roots;
        QStringList spreadNames;
        bool deck79 = false;
        bool majorOnly = false;
        // The language whose code page an older file's spread name is in.
        QString language = QStringLiteral("English");
    };

    Outcome result = Outcome::Unreadable;
    // The file read by fromFile(); the messages of NotAReadingFile and
    // Unreadable name it.
    QString filePath;
    // Why the file could not be read, for Unreadable: a pipe or a device,
    // a folder, a file far too large or an input/output error.
    QString readFault;
    // The spread as the file names it, and as the spread list names it.
    QByteArray spreadNameInFile;
    QString spreadName;
    // The deck the reading is laid with, and the Major Arcana option that
    // goes with it.
    int deckSize = 0;
    bool majorOnly = false;
    // The spread as its file is now; it counts the position lines. A spread
    // file that could not be read leaves what was read before the fault.
    Spread spread;
    Spread::LoadResult spreadLoad = Spread::LoadResult::Missing;
    // What is wrong with the spread file when it could not be loaded.
    QString spreadFault;
    int positionCount = 0;
    ReadingFile reading;
    // For each position, the slot whose card goes there; DeckSize stands for
    // the spare slot after the deck.
    QList<int> positionSlots;

    // Reads the file at `path` for the table as `context` describes it.
    static ReadingOpenPlan fromFile(const QString &path, const Context &context);
    static ReadingOpenPlan fromBytes(const QByteArray &fileBytes, const Context &context);

    // The index of `name` in `spreadNames` when only the letters a to z are
    // compared without case; -1 when it is not there. A name that is not
    // UTF-8 is read in the code page of `language`.
    static int findSpread(const QStringList &spreadNames, const QByteArray &name,
                          const QString &language = QStringLiteral("English"));

    // What to tell the user about the outcome: the message box text, the
    // warning dialog's text for NeedsDeck79, empty for Ready and EmptyFile.
    QString message(const UiTextTable &texts) const;

    // Gives slots 0..DeckSize-1 the cards and orientations of the deck lines;
    // a slot beyond them holds the 79th card, upright. Fan places stay.
    void applyDeck(Deck::Slots &cards) const;
    // The slot to draw into position `position`, after applyDeck(). A card
    // that lies in no slot is first put into the spare slot, upright.
    int prepareSlot(Deck::Slots &cards, int position) const;
};
