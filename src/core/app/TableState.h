#pragma once

#include "core/app/TableColor.h"
#include "core/engine/Deck.h"
#include "core/lang/CardTitles.h"
#include "core/lang/UiTextTable.h"
#include "core/spreads/Spread.h"
#include "core/util/RandomGenerator.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

// Everything the table keeps for the life of the program that is not a
// widget: the deck, the current spread, the interface texts and titles, the
// reading's phase flags and the user's preferences. The table window holds
// one; the algorithms take it (or parts of it) without needing a window.
struct TableState
{
    // Data folders and language
    QString AppDir;
    UiTextTable UiTexts;
    CardTitles::Table CardTitles;
    QString Language = QStringLiteral("English");
    QString HelpFile;
    // Initial folder of the reading open and save dialogs.
    QString ReadingsDir;

    // Deck and spread
    Deck::Slots Cards;
    Spread spread;
    QStringList SpreadNames;
    QString SpreadName;
    // The spread picked for the spread editor.
    QString SpreadToEdit;
    QString DeckName = QStringLiteral("Ardenvale");
    bool Deck79 = false;
    int DeckSize = 78;
    RandomGenerator Random;

    // Phase of the reading
    bool Shuffling = false;
    bool DeckFanned = false;
    int DrawnCount = 0;
    int PendingSignificators = 0;
    bool ManualInput = false;
    bool OpenedReading = false;
    bool AutoDrawPending = false;
    bool ExtraDrawAllowed = false;
    // The card shown beyond the full spread, and whether it lies reversed.
    int ExtraCardNumber = -1;
    bool ExtraCardReversed = false;
    // The last prompt written into the left panel.
    QByteArray PromptText;
    bool TableReady = false;
    bool SpreadViewEnlarged = false;
    QRect TableRect;

    // Appearance
    TColor BackColor = TableColor::DefaultBackColor;
    TColor TipColor = TableColor::Navy;
    int SmallCardWidth = 87;
    int SmallCardHeight = 148;
    int CardWidth = 200;
    int CardHeight = 290;
    int DetailWidth = 532;
    int DetailHeight = 479;
    int MemoWidth = 229;
    int MemoHeight = 248;
    bool KeepStraight = false;
    bool KeepActual = true;
    // Where an edited meaning text is saved; kept until the program ends.
    bool SaveWithDeck = true;
    bool SaveAsDefault = false;

    // Reading options
    bool UseReverse = false;
    bool MajorOnly = false;
    bool DrawAuto = false;
    bool CutDeck = true;
    bool CutThreePiles = false;
    bool ArdenvaleStyle = true;
    bool StrengthEleven = true;
    bool UseTips = true;
    int QuerentCard = -1;

    // Reports
    QByteArray ReportComments;
    int PrintType = 0;
    bool PrintView = true;
    bool PrintSchema = false;
    bool PrintBigCards = false;
    bool PrintExpl = true;

    // Music
    QString MusicDir;
    QString MusicFile;
    QString LastMusicFile;
    int PlayType = 2;
    bool ResetMusic = true;
    bool IgnoreSpreadMusic = false;
    bool PlayMusic = false;

    CardTitles::Numbering numbering() const { return {StrengthEleven, ArdenvaleStyle}; }
};
