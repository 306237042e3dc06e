#include "core/table/ReadingSession.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/engine/CardChoice.h"
#include "core/engine/DeckCut.h"
#include "core/engine/Drawing.h"
#include "core/engine/Shuffle.h"
#include "core/lang/UiText.h"
#include "core/lang/UiTextTable.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"

#include <QDir>

#include <algorithm>

ReadingSession::ReadingSession(const ProgramData &data, const Preferences &preferences,
                               QObject *parent)
    : QObject(parent)
    , m_data(data)
    , m_preferences(preferences)
{}

bool ReadingSession::isBeforeDrawing() const
{
    return m_phase == Phase::ReadyToShuffle || m_phase == Phase::Shuffling ||
           m_phase == Phase::ReadyToCut;
}

bool ReadingSession::canDrawFromFan() const
{
    return isFanned() && !isTypingIn() && !m_autoDrawPending &&
           (m_drawnCount < m_spread.positionCount || m_extraDrawAllowed);
}

bool ReadingSession::isComplete() const
{
    // Typed-in cards fill the positions in any order, so the count of drawn
    // cards alone cannot tell.
    return isFanned() && allPositionsFilled();
}

bool ReadingSession::isTypingIn() const
{
    return m_kind == Kind::TypedIn && m_phase == Phase::Drawing;
}

QByteArray ReadingSession::prompt() const
{
    if (m_phase == Phase::NoSpread && m_prompt.isEmpty())
        return uiText(UiText::PromptStartReading);
    return m_prompt;
}

QByteArray ReadingSession::uiText(int index) const
{
    return m_data.uiTexts().text(index);
}

bool ReadingSession::readSpread(const QString &name, Spread &spread, QString *errorString) const
{
    if (name.isEmpty()) {
        if (errorString)
            *errorString = QStringLiteral("no spread was chosen");
        return false;
    }
    const QString path = Spread::filePath(m_data.roots(), name);
    QString fault;
    if (spread.load(path, &fault) == Spread::LoadResult::Loaded)
        return true;
    if (errorString)
        *errorString = QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault;
    return false;
}

bool ReadingSession::startReading(const QString &name, QString *errorString)
{
    if (name.isEmpty()) {
        if (errorString)
            *errorString = QStringLiteral("no spread was chosen");
        return false;
    }
    return startReadingFrom(name, Spread::filePath(m_data.roots(), name), errorString);
}

bool ReadingSession::startReadingFrom(const QString &name, const QString &path,
                                      QString *errorString)
{
    // The spread is read aside first, so a refused file leaves the reading
    // in progress untouched.
    Spread spread;
    QString fault;
    if (spread.load(path, &fault) != Spread::LoadResult::Loaded) {
        if (errorString)
            *errorString = QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault;
        return false;
    }
    beginReading(name, Kind::Drawn);
    laySpread(spread);
    m_deckSize = Deck::sizeFor(m_preferences.majorOnly(), m_data.deck79());
    if (nextSignificator() >= 0) {
        setPrompt(uiText(UiText::PromptChooseSignificator));
        setPhase(Phase::ChoosingSignificators);
    } else {
        m_autoDrawPending = m_preferences.drawAuto();
        setPrompt(uiText(UiText::PromptShuffle));
        setPhase(Phase::ReadyToShuffle);
    }
    return true;
}

bool ReadingSession::startTypingIn(const QString &name, QString *errorString)
{
    Spread spread;
    if (!readSpread(name, spread, errorString))
        return false;
    beginReading(name, Kind::TypedIn);
    laySpread(spread);
    m_deckSize = Deck::sizeFor(m_preferences.majorOnly(), m_data.deck79());
    deal();
    fan();
    setPrompt(m_data.uiTexts().text(UiText::ManualInputPrompt));
    return true;
}

void ReadingSession::openReading(const ReadingOpenPlan &plan)
{
    beginReading(plan.spreadName, Kind::Opened);
    m_spread = plan.spread;
    m_pendingSignificators = m_spread.significatorCount;
    emit spreadLaid();

    // The reading decides whether only the Major Arcana are in play.
    m_deckSize = plan.deckSize;
    emit majorArcanaOnlyDecided(plan.majorOnly);
    deal();
    fan();
    plan.applyDeck(m_cards);
    for (int position = 0; position < plan.positionSlots.size(); ++position) {
        drawCard(plan.prepareSlot(m_cards, position));
        reveal(position);
    }
    m_pendingSignificators = 0;
    setPhase(Phase::Complete);
    setPrompt(m_data.uiTexts().text(UiText::ReadingOpenedPrompt));
    emit fanChanged();
}

void ReadingSession::beginReading(const QString &name, Kind kind)
{
    m_autoDrawPending = false;
    m_kind = kind;
    m_spreadName = name;
    m_spread.reset();
    m_extraDrawAllowed = false;
    m_extraCard.reset();
    m_drawnCount = 0;
    setPhase(Phase::NoSpread);
}

void ReadingSession::laySpread(const Spread &spread)
{
    m_spread = spread;
    m_pendingSignificators = m_spread.significatorCount;
    emit spreadLaid();
}

int ReadingSession::nextSignificator() const
{
    for (int i = 0; i < m_spread.positionCount; ++i) {
        if (m_spread.isSignificator[i] && !m_spread.filled[i])
            return i;
    }
    return -1;
}

void ReadingSession::abandonSignificators()
{
    if (m_phase != Phase::ChoosingSignificators)
        return;
    setPrompt(uiText(UiText::PromptSignificatorCancelled));
    setPhase(Phase::NoSpread);
}

void ReadingSession::startShuffle()
{
    if (m_phase != Phase::ReadyToShuffle)
        return;
    if (m_spread.significatorCount == 0)
        m_deckSize = Deck::sizeFor(m_preferences.majorOnly(), m_data.deck79());
    deal();
    m_random.seedFromClock();
    setPrompt(uiText(UiText::PromptShuffling));
    setPhase(Phase::Shuffling);
}

bool ReadingSession::shuffleFrame()
{
    if (m_phase != Phase::Shuffling)
        return false;
    Shuffle::frame(m_cards, m_deckSize, m_preferences.useReverse(), m_random);
    return true;
}

void ReadingSession::stopShuffle()
{
    if (m_phase != Phase::Shuffling)
        return;
    if (m_preferences.cutDeck()) {
        setPrompt(uiText(UiText::PromptCut));
        setPhase(Phase::ReadyToCut);
    } else {
        fan();
    }
}

void ReadingSession::cutAt(int x)
{
    if (m_phase != Phase::ReadyToCut)
        return;
    const int point = DeckCut::cutPoint(x, m_tableWidth, m_deckSize);
    if (m_preferences.cutThreePiles())
        DeckCut::threePiles(m_cards, m_deckSize, point);
    else
        DeckCut::plain(m_cards, m_deckSize, point);
    fan();
}

void ReadingSession::deal()
{
    Deck::deal(m_cards, m_deckSize, m_data.deck79(), m_preferences.useReverse(), m_tableWidth,
               m_random);
    emit fanChanged();
}

void ReadingSession::fan()
{
    setPhase(allPositionsFilled() && m_spread.positionCount > 0 ? Phase::Complete : Phase::Drawing);
    setPrompt(firstPositionPrompt());
    if (m_kind != Kind::TypedIn) {
        for (int slot : Drawing::moveSignificatorsAside(m_cards, m_deckSize, m_spread)) {
            m_cards[slot].x = Card::OffTable;
            m_cards[slot].y = Card::OffTable;
        }
    }
    if (m_autoDrawPending)
        m_random.seedFromClock();
    promptIfAllFaceUp();
    emit fanChanged();
}

QByteArray ReadingSession::firstPositionPrompt() const
{
    const int first = qBound(0, m_spread.significatorCount, Spread::Capacity - 1);
    return m_data.uiTexts().text(UiText::PromptFirstPosition) + "\r\n" +
           m_spread.explanation[first];
}

bool ReadingSession::drawAt(const QPoint &point)
{
    if (!canDrawFromFan())
        return false;
    for (int slot = m_deckSize - 1; slot >= 0; --slot) {
        if (m_cards[slot].hitTest(point.x(), point.y())) {
            drawCard(slot);
            return true;
        }
    }
    return false;
}

bool ReadingSession::drawAutomatically()
{
    if (!m_autoDrawPending || m_phase != Phase::Drawing)
        return false;
    const int number = Drawing::chooseAutomaticCard(m_spread, m_deckSize, m_random);
    for (int slot = 0; number >= 0 && slot < m_deckSize; ++slot) {
        if (m_cards[slot].number == quint32(number)) {
            // The program draws for the user, so it turns each card face up too.
            const int position = m_drawnCount;
            drawCard(slot);
            if (position < m_spread.positionCount)
                reveal(position);
            break;
        }
    }
    if (number < 0 || m_drawnCount >= m_spread.positionCount)
        m_autoDrawPending = false;
    return m_autoDrawPending;
}

void ReadingSession::drawCard(int slot)
{
    Card &card = m_cards[slot];
    card.x = Card::OffTable;
    card.y = Card::OffTable;
    emit fanChanged();
    if (Drawing::placeInNextPosition(card, m_spread, m_drawnCount)) {
        emit positionChanged(card.position);
        if (const auto prompt = Drawing::promptAfterDraw(m_data.uiTexts(), m_spread, m_drawnCount))
            setPrompt(*prompt);
        if (m_phase == Phase::Drawing && allPositionsFilled())
            setPhase(Phase::Complete);
        return;
    }
    m_extraCard = ExtraCard{int(card.number), card.reversed != 0};
    emit extraCardDrawn(*m_extraCard);
}

ReadingSession::PositionAction ReadingSession::activatePosition(int position)
{
    if (position < 0 || position >= m_spread.positionCount)
        return PositionAction::Nothing;
    if (m_spread.filled[position]) {
        if (m_spread.revealed[position])
            return PositionAction::ShowDetail;
        reveal(position);
        return PositionAction::Revealed;
    }
    if (m_spread.isSignificator[position] || isTypingIn())
        return PositionAction::ChooseCard;
    return PositionAction::Nothing;
}

void ReadingSession::reveal(int position)
{
    m_spread.revealed[position] = true;
    if (!m_spread.isSignificator[position])
        m_extraDrawAllowed = true;
    emit positionChanged(position);
    promptIfAllFaceUp();
}

void ReadingSession::promptIfAllFaceUp()
{
    if (!isComplete())
        return;
    const auto laid = m_spread.revealed.begin() + m_spread.positionCount;
    if (std::all_of(m_spread.revealed.begin(), laid, [](bool revealed) { return revealed; }))
        setPrompt(uiText(UiText::PromptAllFaceUp));
}

QList<int> ReadingSession::cardChoicesFor(int position) const
{
    // A reading typed in from a physical deck may hold any card in play, at
    // its significators too.
    const bool significator = !isTypingIn() && position >= 0 && position < m_spread.positionCount &&
                              m_spread.isSignificator[position];
    return significator ? CardChoice::significatorCards(m_deckSize)
                        : CardChoice::manualCards(m_deckSize);
}

bool ReadingSession::placeChosenCard(int position, int number, bool reversed)
{
    if (activatePosition(position) != PositionAction::ChooseCard || isInSpread(number))
        return false;

    int slot = 0;
    while (slot < m_deckSize && m_cards[slot].number != quint32(number))
        ++slot;
    if (slot == m_deckSize) {
        // A court card as significator while only the Major Arcana are in
        // play: the last card in play gives way to it for this reading.
        slot = m_deckSize - 1;
        m_cards[slot].number = quint32(number);
    }
    m_cards[slot].reversed = reversed ? 1 : 0;
    const bool typingIn = isTypingIn();
    m_drawnCount = position;
    drawCard(slot);

    if (m_spread.isSignificator[position]) {
        m_extraDrawAllowed = false;
        --m_pendingSignificators;
        if (m_pendingSignificators > 0) {
            setPrompt(uiText(UiText::PromptChooseSignificator));
        } else {
            m_drawnCount = m_spread.significatorCount;
            setPrompt(firstPositionPrompt());
        }
        if (m_phase == Phase::ChoosingSignificators && position == 0)
            emit querentChosen(number);
    }
    if (typingIn)
        setPrompt(m_data.uiTexts().text(UiText::ManualInputPrompt));
    reveal(position);

    if (allPositionsFilled()) {
        setPrompt(uiText(UiText::PromptSpreadFilled));
        m_drawnCount = m_spread.positionCount;
        if (isFanned())
            setPhase(Phase::Complete);
        promptIfAllFaceUp();
    }
    if (m_phase == Phase::ChoosingSignificators && nextSignificator() < 0) {
        m_autoDrawPending = m_preferences.drawAuto();
        setPrompt(uiText(UiText::PromptShuffle));
        setPhase(Phase::ReadyToShuffle);
    }
    return true;
}

bool ReadingSession::isInSpread(int number) const
{
    const auto laid = m_spread.cardAt.begin() + m_spread.positionCount;
    return std::find(m_spread.cardAt.begin(), laid, number) != laid;
}

bool ReadingSession::allPositionsFilled() const
{
    return std::all_of(m_spread.filled.begin(), m_spread.filled.begin() + m_spread.positionCount,
                       [](bool filled) { return filled; });
}

ReadingFile ReadingSession::toReadingFile(const QByteArray &comments) const
{
    ReadingFile reading;
    reading.spreadName = m_spreadName.toLocal8Bit();
    for (int slot = 0; slot < m_deckSize; ++slot)
        reading.cards.append({m_cards[slot].number, m_cards[slot].reversed != 0});
    for (int position = 0; position < m_spread.positionCount; ++position)
        reading.positions.append(quint32(m_spread.cardAt[position]));
    reading.comments = comments;
    return reading;
}

void ReadingSession::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged(phase);
}

void ReadingSession::retranslatePrompt(const UiTextTable &previous)
{
    static const int PromptLines[] = {UiText::SpreadCompleted,
                                      UiText::PromptFirstPosition,
                                      UiText::PromptSecondPosition,
                                      UiText::PromptThirdPosition,
                                      UiText::ManualInputPrompt,
                                      UiText::ReadingOpenedPrompt,
                                      UiText::PromptStartReading,
                                      UiText::PromptShuffle,
                                      UiText::PromptShuffling,
                                      UiText::PromptCut,
                                      UiText::PromptSignificatorCancelled,
                                      UiText::PromptAllFaceUp,
                                      UiText::PromptChooseSignificator,
                                      UiText::PromptSpreadFilled};
    if (m_prompt.isEmpty())
        return;
    const qsizetype lineEnd = m_prompt.indexOf("\r\n");
    const QByteArray head = lineEnd < 0 ? m_prompt : m_prompt.left(lineEnd);
    const QByteArray rest = lineEnd < 0 ? QByteArray() : m_prompt.mid(lineEnd);
    for (const int index : PromptLines) {
        if (head == previous.text(index)) {
            setPrompt(uiText(index) + rest);
            return;
        }
    }
    // The fourth and later positions: a number between two lines.
    const QByteArray start = previous.text(UiText::PromptNthPositionStart);
    const QByteArray end = previous.text(UiText::PromptNthPositionEnd);
    if (head.size() > start.size() + end.size() && head.startsWith(start) && head.endsWith(end)) {
        bool isNumber = false;
        const int number =
            head.mid(start.size(), head.size() - start.size() - end.size()).toInt(&isNumber);
        if (isNumber) {
            setPrompt(uiText(UiText::PromptNthPositionStart) + QByteArray::number(number) +
                      uiText(UiText::PromptNthPositionEnd) + rest);
        }
    }
}

void ReadingSession::setPrompt(const QByteArray &prompt)
{
    m_prompt = prompt;
    emit promptChanged(prompt);
}
