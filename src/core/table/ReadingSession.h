#pragma once

#include "core/engine/Deck.h"
#include "core/spreads/Spread.h"
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
class UiTextTable;
class Preferences;

// The reading on the table: the deck, the spread with the cards at its
// positions, the phase the reading has reached and the prompt that tells the
// user what to do next. Every step of a reading is an operation here that
// checks the phase; windows call them and redraw from the signals.
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
        // The deck lies fanned and positions are still empty.
        Drawing,
        // Every position has its card.
        Complete,
    };
    Q_ENUM(Phase)

    // How the cards reach their positions.
    enum class Kind
    {
        // Drawn from the fan, by the user or automatically.
        Drawn,
        // Typed in from a physical deck, each chosen by hand.
        TypedIn,
        // Read from a reading file.
        Opened,
    };
    Q_ENUM(Kind)

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
    Kind kind() const { return m_kind; }
    const Spread &spread() const { return m_spread; }
    QString spreadName() const { return m_spreadName; }
    const Deck::Slots &cards() const { return m_cards; }
    int deckSize() const { return m_deckSize; }
    int drawnCount() const { return m_drawnCount; }
    // The prompt panel's text, in the language file's bytes: the next step
    // the user can take, in every phase.
    QByteArray prompt() const;
    std::optional<ExtraCard> extraCard() const { return m_extraCard; }
    RandomGenerator &random() { return m_random; }

    // The deck lies fanned: the spread and the fan are on the table.
    bool isFanned() const { return m_phase == Phase::Drawing || m_phase == Phase::Complete; }
    // The reading has not reached its drawing yet: options changed now
    // apply to the next reading.
    bool isBeforeDrawing() const;
    // A click on the fan would draw a card.
    bool canDrawFromFan() const;
    // The automatic draw waits to place the cards.
    bool isAutomaticDrawPending() const { return m_autoDrawPending; }
    // Every position has its card and the deck is fanned: worth saving.
    bool isComplete() const;

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
    // no cut is wanted (or the cards come from a file or by hand).
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
    bool isInSpread(int number) const;
    // Places a card chosen by hand; false when the position takes no card
    // chosen by hand now, or the card already lies in the spread.
    bool placeChosenCard(int position, int number, bool reversed);
    // Says the prompt again in the language just loaded: its first line was
    // one of `previous`'s prompt lines, which becomes the same line of the
    // current language; what follows it (a position's explanation) stays.
    void retranslatePrompt(const UiTextTable &previous);

    // The reading as a file would keep it, with `comments`.
    ReadingFile toReadingFile(const QByteArray &comments) const;

signals:
    void phaseChanged(ReadingSession::Phase phase);
    void promptChanged(const QByteArray &prompt);
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
    // Reads spread `name` into `spread`; false, with the file and its fault
    // in `errorString`, when the table cannot lay it.
    bool readSpread(const QString &name, Spread &spread, QString *errorString) const;
    void beginReading(const QString &name, Kind kind);
    void laySpread(const Spread &spread);
    // The text of interface line `index`; a line the language lacks comes
    // in English.
    QByteArray uiText(int index) const;
    // Once every position's card lies face up, the next step is reading them.
    void promptIfAllFaceUp();
    void setPhase(Phase phase);
    void setPrompt(const QByteArray &prompt);
    void deal();
    void fan();
    void drawCard(int slot);
    void reveal(int position);
    QByteArray firstPositionPrompt() const;
    bool allPositionsFilled() const;
    // The user types the cards in and has not finished yet.
    bool isTypingIn() const;

    const ProgramData &m_data;
    const Preferences &m_preferences;
    RandomGenerator m_random;
    Deck::Slots m_cards;
    int m_deckSize = 78;
    int m_tableWidth = 0;
    Spread m_spread;
    QString m_spreadName;
    Phase m_phase = Phase::NoSpread;
    Kind m_kind = Kind::Drawn;
    int m_drawnCount = 0;
    int m_pendingSignificators = 0;
    bool m_autoDrawPending = false;
    // Once an ordinary card lies face up, more cards may be drawn beyond
    // the full spread, one at a time, for a closer look.
    bool m_extraDrawAllowed = false;
    std::optional<ExtraCard> m_extraCard;
    QByteArray m_prompt;
};
