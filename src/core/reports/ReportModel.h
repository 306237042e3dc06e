#pragma once

#include "core/data/DataRoots.h"
#include "core/readings/ReadingOpenPlan.h"
#include "core/reports/Paper.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class Placements;
class ProgramData;
class Spread;
class Preferences;

// What every report shows of a finished reading, whatever its format: the
// spread with its positions, the card in each with its title and meaning, the
// user's comments and the print options. The writers read only this, so a
// new format needs no knowledge of the table or its files.
struct ReportModel
{
    struct Options
    {
        // Include the spread picture.
        bool spreadView = true;
        // The spread picture shows outlines instead of card miniatures.
        bool schematic = false;
        // Include each card's full-size picture.
        bool bigCards = false;
        // Include each card's meaning text.
        bool explanations = true;
        // Each card beside its text, two or three positions a page.
        bool compact = false;
    };

    struct Position
    {
        // Where the position's card lies on the table (its top-left corner).
        QPoint place;
        bool significator = false;
        int card = 0;
        bool reversed = false;
        // The label on the spread picture: "S", "S1", "S2" or the number.
        QString label;
        // The bold heading above the card: the number and the explanation.
        QString heading;
        // The same in the word-processor documents, where several
        // significators are numbered without a space.
        QString documentHeading;
        QString cardTitle;
        // Empty when no meaning text exists for the card.
        QString meaning;
    };

    DataRoots roots;
    QString deckName;
    QString spreadName;
    QString comments;
    // The word after a reversed card's title, in the interface language.
    QString reversedWord = QStringLiteral("reversed");
    // The language of the texts as a BCP 47 tag ("en", "ru"), for readers
    // that hyphenate, speak or spell-check the document.
    QString languageTag = QStringLiteral("en");
    Paper paper = Paper::system();
    Options options;
    // The size of a card slot on the table.
    QSize slotSize;
    QList<Position> positions;

    // The options the preferences hold.
    static Options optionsFrom(const Preferences &preferences);

    // The model of the reading laid with `spread`, every position of which
    // has its card in `placements`; texts from files are decoded for the
    // current language.
    static ReportModel fromReading(const Spread &spread, const Placements &placements,
                                   const QString &spreadName, const QString &comments,
                                   const ProgramData &data, const Preferences &preferences);

    // The model of the reading saved at `readingPath`, laid as the table
    // would open it, with the file's comments. False, with what is wrong in
    // `errorString` and why in `outcome`, when the table would refuse the file.
    static bool fromReadingFile(const QString &readingPath, const ProgramData &data,
                                const Preferences &preferences, ReportModel &model,
                                QString *errorString = nullptr,
                                ReadingOpenPlan::Outcome *outcome = nullptr);

    // The meaning text of a card for a report: the deck's own text, else the
    // language's, else the English one; empty when none of them exists.
    static QByteArray meaningBytes(const DataRoots &roots, const QString &deckName,
                                   const QString &language, int card, bool reversed);

    // The tag of the interface language named `language` ("Russian" gives
    // "ru"); "en" for a name no language has.
    static QString languageTagOf(const QString &language);

    // The bottom-right corner of the spread on the table.
    QSize extent() const;
};
