#pragma once

#include "core/engine/Deck.h"
#include "core/spreads/Placements.h"
#include "core/spreads/Spread.h"
#include "core/table/Prompt.h"
#include "core/util/RandomGenerator.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>

class ProgramData;
class ReadingFile;
class ReadingOpenPlan;
class Preferences;

// The reading on the table: the deck, the spread's design and the cards the
// reading placed at its positions, the phase the reading has reached and the
// prompt that tells the user what to do next. Every step of a reading is an
// operation here that checks the phase; windows call them and redraw from the
// signals.
class ReadingSession : public QObject
{
    Q_OBJECT

public:
    enum class Phase
    {
        // No reading in progress; a click on the table starts one.
        NoSpread,
        // The spread is laid; its significators are being chosen by hand.
        ChoosingSignificators,
        ReadyToShuffle,
        Shuffling,
        // The deck lies stacked, waiting for the user to cut it.
        ReadyToCut,
        // The deck lies fanned and the user draws cards into the positions.
        Drawing,
        // The deck lies fanned and the program draws for the user.
        DrawingAutomatically,
        // The deck lies fanned and the user chooses each position's card by
        // hand, from a physical deck.
        TypingIn,
        // Every position has its card.
        Complete,
    };
    Q_ENUM(Phase)

    // What a click on a position does.
    enum class PositionAction
    {
        Nothing,
        // The card was turned face up.
        Revealed,
        // The card lies face up: open its detail window.
        ShowDetail,
        // The position waits for a card chosen by hand.
        ChooseCard,
    };

    struct ExtraCard
    {
        int number = -1;
        bool reversed = false;
    };

    // The session reads the preferences; the changes a reading makes to them
    // it reports with majorArcanaOnlyDecided() and querentChosen().
    ReadingSession(const ProgramData &data, const Preferences &preferences,
                   QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    const Spread &spread() const { return m_spread; }
    const Placements &placements() const { return m_placements; }
    QString spreadName() const { return m_spreadName; }
    const Deck::Slots &cards() const { return m_cards; }
    int deckSize() const { return m_deckSize; }
    // What the prompt panel asks of the user next, in every phase.
    Prompt prompt() const { return m_prompt; }
    std::optional<ExtraCard> extraCard() const { return m_extraCard; }
    RandomGenerator &random() { return m_random; }

    // The deck lies fanned: the spread and the fan are on the table.
    bool isFanned() const;
    // The reading has not reached its drawing yet: options changed now
    // apply to the next reading.
    bool isBeforeDrawing() const;
    // A click on the fan would draw a card.
    bool canDrawFromFan() const;
    // The program draws this reading's cards, now or once the deck is fanned.
    bool isAutomaticDrawPending() const;
    // Every position has its card and the deck is fanned: worth saving.
    bool isComplete() const { return m_phase == Phase::Complete; }

    // The fan is laid out over a table this wide.
    void setTableWidth(int width) { m_tableWidth = width; }

    // Ends the reading in progress and lays spread `name` for a new reading.
    // A spread file that is missing, unreadable or not a spread the table
    // can lay is refused: the reading in progress stays as it was, and
    // `errorString` names the file and its fault.
    bool startReading(const QString &name, QString *errorString = nullptr);
    // The same with the spread called `name` read from the file at `path`.
    bool startReadingFrom(const QString &name, const QString &path, QString *errorString = nullptr);
    // The same for a reading typed in from a physical deck: the deck is
    // fanned at once and every position is chosen by hand.
    bool startTypingIn(const QString &name, QString *errorString = nullptr);
    // Lays the reading that `plan` read from a file, every card face up.
    void openReading(const ReadingOpenPlan &plan);

    // The next significator position that waits for its card, or -1.
    int nextSignificator() const;
    // The user gave up choosing a significator: the reading ends.
    void abandonSignificators();

    void startShuffle();
    // One frame of the shuffle; false when the shuffle has ended.
    bool shuffleFrame();
    // Ends the shuffle. The deck waits to be cut, or is fanned at once when
    // no cut is wanted.
    void stopShuffle();
    // Cuts the stacked deck where table x `x` points into it, then fans it.
    void cutAt(int x);

    // Draws the topmost fan card under `point`; false when none lies there
    // or nothing may be drawn now.
    bool drawAt(const QPoint &point);
    // Draws the next card of the automatic draw; false when it is over.
    bool drawAutomatically();

    PositionAction activatePosition(int position);
    // The cards offered for position `position`, in list order.
    QList<int> cardChoicesFor(int position) const;
    // Whether card `number` already lies in a position.
    bool isInSpread(int number) const { return m_placements.contains(number); }
    // Places a card chosen by hand; false when the position takes no card
    // chosen by hand now, or the card already lies in the spread.
    bool placeChosenCard(int position, int number, bool reversed);

    // The reading as a file would keep it, with `comments`.
    ReadingFile toReadingFile(const QByteArray &comments) const;

signals:
    void phaseChanged(ReadingSession::Phase phase);
    void promptChanged(const Prompt &prompt);
    // A new spread was laid: every position is empty.
    void spreadLaid();
    // The card at `position` was placed or turned face up.
    void positionChanged(int position);
    // The fan changed: dealt, cut, or cards left it.
    void fanChanged();
    // A card was drawn beyond the full spread.
    void extraCardDrawn(const ReadingSession::ExtraCard &card);
    // An opened reading decided whether only the Major Arcana are in play;
    // the next readings keep that choice.
    void majorArcanaOnlyDecided(bool majorOnly);
    // Card `number` was chosen as the first significator, to be offered
    // first next time.
    void querentChosen(int number);

private:
    // Reads the spread file at `path`; false, with the file and its fault in
    // `errorString`, when the table cannot lay it.
    static bool loadSpread(const QString &path, Spread &spread, QString *errorString);
    // The same for the spread called `name` among the data folders' spreads.
    bool loadNamedSpread(const QString &name, Spread &spread, QString *errorString) const;
    // Lays `spread` for a reading drawn from the fan: its significators are
    // chosen first, then the deck waits to be shuffled.
    void beginDrawnReading(const QString &name, const Spread &spread);
    void waitForShuffle();
    // Lays `spread` for a new reading with every position empty.
    void laySpread(const QString &name, const Spread &spread);
    void setPhase(Phase phase);
    void setPrompt(const Prompt &prompt);
    void deal();
    // Fans the deck and enters `drawing`, the way the positions are filled.
    void fan(Phase drawing);
    // Takes the card in `slot` out of the fan into the first empty position,
    // or beyond the spread when every position has its card.
    void drawCard(int slot);
    void takeFromFan(int slot);
    // Moves the significators' cards to the deck's ends, out of the fan.
    void setSignificatorsAside();
    void reveal(int position);
    // The prompt once a card was drawn or typed in: the next position, or
    // the end of the reading.
    void promptNextStep();
    // The slot holding card `number`; a card not in play takes the last slot.
    int slotForChosenCard(int number);
    // An ordinary card lies face up: more cards may be drawn beyond the full
    // spread, one at a time, for a closer look.
    bool isExtraDrawAllowed() const;

    const ProgramData &m_data;
    const Preferences &m_preferences;
    RandomGenerator m_random;
    Deck::Slots m_cards;
    int m_deckSize = 78;
    int m_tableWidth = 0;
    Spread m_spread;
    Placements m_placements;
    QString m_spreadName;
    Phase m_phase = Phase::NoSpread;
    // The reading's cards are drawn by the program, as the options said when
    // it reached the shuffle.
    bool m_drawsAutomatically = false;
    std::optional<ExtraCard> m_extraCard;
    Prompt m_prompt;
};
