#pragma once

#include "core/app/TableColor.h"
#include "core/lang/CardTitles.h"

#include <QDate>
#include <QLocale>
#include <QString>

// The user's preferences: what the settings store keeps between runs, and
// the two meaning-saving choices that last until the program ends.
struct Preferences
{
    QString deckName = QStringLiteral("Ardenvale");
    QString language = QStringLiteral("English");

    // Appearance of the table and the card detail window
    BgrColor backColor = TableColor::DefaultBackColor;
    int cardWidth = 200;
    int cardHeight = 290;
    int detailWidth = 532;
    int detailHeight = 479;
    int memoWidth = 229;
    int memoHeight = 248;
    bool keepStraight = false;
    bool keepActual = true;
    bool useTips = true;

    // Reading options
    bool useReverse = false;
    bool majorOnly = false;
    bool drawAuto = false;
    bool cutDeck = true;
    bool cutThreePiles = false;
    bool ardenvaleStyle = true;
    bool strengthEleven = true;
    // The card last chosen as the first significator, offered first next time.
    int querentCard = -1;

    // Reports
    int printType = 0;
    bool printView = true;
    bool printSchema = false;
    bool printBigCards = false;
    bool printExpl = true;
    // The comments shown at the top of a report; not stored between runs.
    QString reportComments = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);

    // Music
    QString musicDir;
    QString musicFile;
    QString lastMusicFile;
    int playType = 2;
    bool resetMusic = true;
    bool ignoreSpreadMusic = false;
    bool playMusic = false;
    // Loudness of the music in percent.
    int musicVolume = 70;

    // Where an edited meaning text is saved; not stored between runs.
    bool saveWithDeck = true;
    bool saveAsDefault = false;

    CardTitles::Numbering numbering() const { return {strengthEleven, ardenvaleStyle}; }
};
