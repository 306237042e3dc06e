#include "core/table/ReadingSession.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/engine/CardChoice.h"
#include "core/engine/DeckCut.h"
#include "core/engine/Drawing.h"
#include "core/engine/Shuffle.h"
#include "core/readings/ReadingFile.h"
#include "core/readings/ReadingOpenPlan.h"

#include <QDir>

ReadingSession::ReadingSession(const ProgramData &data, const Preferences &preferences,
                               QObject *parent)
    : QObject(parent)
    , m_data(data)
    , m_preferences(preferences)
{}

bool ReadingSession::isFanned() const
{
    switch (m_phase) {
    case Phase::Drawing:
    case Phase::DrawingAutomatically:
    case Phase::TypingIn:
    case Phase::Complete:
        return true;
    case Phase::NoSpread:
    case Phase::ChoosingSignificators:
    case Phase::ReadyToShuffle:
    case Phase::Shuffling:
    case Phase::ReadyToCut:
        break;
    }
    return false;
}

bool ReadingSession::isBeforeDrawing() const
{
    return m_phase == Phase::ReadyToShuffle || m_phase == Phase::Shuffling ||
           m_phase == Phase::ReadyToCut;
}

bool ReadingSession::canDrawFromFan() const
{
    return m_phase == Phase::Drawing || (m_phase == Phase::Complete && isExtraDrawAllowed());
}

bool ReadingSession::isAutomaticDrawPending() const
{
    return m_phase == Phase::DrawingAutomatically || (m_drawsAutomatically && isBeforeDrawing());
}

bool ReadingSession::isExtraDrawAllowed() const
{
    for (int position = 0; position < m_spread.positionCount(); ++position) {
        if (!m_spread.positions.at(position).significator && m_placements.isRevealed(position))
            return true;
    }
    return false;
}

bool ReadingSession::loadSpread(const QString &path, Spread &spread, QString *errorString)
{
    QString fault;
    if (spread.load(path, &fault) == Spread::LoadResult::Loaded)
        return true;
    if (errorString)
        *errorString = QDir::toNativeSeparators(path) + QStringLiteral(": ") + fault;
    return false;
}

bool ReadingSession::loadNamedSpread(const QString &name, Spread &spread,
                                     QString *errorString) const
{
    if (!name.isEmpty())
        return loadSpread(Spread::filePath(m_data.roots(), name), spread, errorString);
    if (errorString)
        *errorString = QStringLiteral("no spread was chosen");
    return false;
}

bool ReadingSession::startReading(const QString &name, QString *errorString)
{
    // The spread is read aside first, so a refused file leaves the reading
    // in progress untouched.
    Spread spread;
    if (!loadNamedSpread(name, spread, errorString))
        return false;
    beginDrawnReading(name, spread);
    return true;
}

bool ReadingSession::startReadingFrom(const QString &name, const QString &path,
                                      QString *errorString)
{
    Spread spread;
    if (!loadSpread(path, spread, errorString))
        return false;
    beginDrawnReading(name, spread);
    return true;
}

bool ReadingSession::startTypingIn(const QString &name, QString *errorString)
{
    Spread spread;
    if (!loadNamedSpread(name, spread, errorString))
        return false;
    laySpread(name, spread);
    deal();
    fan(Phase::TypingIn);
    return true;
}

void ReadingSession::beginDrawnReading(const QString &name, const Spread &spread)
{
    laySpread(name, spread);
    if (nextSignificator() >= 0) {
        setPrompt({Prompt::Step::ChooseSignificator});
        setPhase(Phase::ChoosingSignificators);
    } else {
        waitForShuffle();
    }
}

void ReadingSession::waitForShuffle()
{
    // The draw's mode is fixed here: changing the option later applies to
    // the next reading.
    m_drawsAutomatically = m_preferences.drawAuto();
    setPrompt({Prompt::Step::Shuffle});
    setPhase(Phase::ReadyToShuffle);
}

void ReadingSession::openReading(const ReadingOpenPlan &plan)
{
    laySpread(plan.spreadName, plan.spread);
    // The reading decides whether only the Major Arcana are in play.
    m_deckSize = plan.deckSize;
    emit majorArcanaOnlyDecided(plan.majorOnly);
    deal();
    setSignificatorsAside();
    plan.applyDeck(m_cards);
    for (int position = 0; position < plan.positionSlots.size(); ++position) {
        const int slot = plan.prepareSlot(m_cards, position);
        takeFromFan(slot);
        m_placements.place(position, int(m_cards[slot].number), m_cards[slot].reversed != 0);
        m_placements.reveal(position);
        emit positionChanged(position);
    }
    setPrompt({Prompt::Step::ReadingOpened});
    setPhase(Phase::Complete);
    emit fanChanged();
}

void ReadingSession::laySpread(const QString &name, const Spread &spread)
{
    m_drawsAutomatically = false;
    m_spreadName = name;
    m_spread = spread;
    m_placements = Placements(m_spread.positionCount());
    m_extraCard.reset();
    m_deckSize = Deck::sizeFor(m_preferences.majorOnly(), m_data.deck79());
    emit spreadLaid();
}

int ReadingSession::nextSignificator() const
{
    for (int i = 0; i < m_spread.positionCount(); ++i) {
        if (m_spread.positions.at(i).significator && !m_placements.isFilled(i))
            return i;
    }
    return -1;
}

void ReadingSession::abandonSignificators()
{
    if (m_phase != Phase::ChoosingSignificators)
        return;
    setPrompt({Prompt::Step::SignificatorCancelled});
    setPhase(Phase::NoSpread);
}

void ReadingSession::startShuffle()
{
    if (m_phase != Phase::ReadyToShuffle)
        return;
    if (m_spread.significatorCount() == 0)
        m_deckSize = Deck::sizeFor(m_preferences.majorOnly(), m_data.deck79());
    deal();
    m_random.seedFromClock();
    setPrompt({Prompt::Step::Shuffling});
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
        setPrompt({Prompt::Step::Cut});
        setPhase(Phase::ReadyToCut);
    } else {
        fan(m_drawsAutomatically ? Phase::DrawingAutomatically : Phase::Drawing);
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
    fan(m_drawsAutomatically ? Phase::DrawingAutomatically : Phase::Drawing);
}

void ReadingSession::deal()
{
    Deck::deal(m_cards, m_deckSize, m_data.deck79(), m_preferences.useReverse(), m_tableWidth,
               m_random);
    emit fanChanged();
}

void ReadingSession::setSignificatorsAside()
{
    for (int slot : Drawing::moveSignificatorsAside(m_cards, m_deckSize, m_spread, m_placements))
        takeFromFan(slot);
}

void ReadingSession::fan(Phase drawing)
{
    // Cards typed in from a physical deck may be any of the fan's, the
    // significators too.
    if (drawing != Phase::TypingIn)
        setSignificatorsAside();
    if (drawing == Phase::DrawingAutomatically)
        m_random.seedFromClock();
    // A spread of significators only is complete once they are chosen.
    const bool complete = m_placements.allFilled();
    if (drawing == Phase::TypingIn)
        setPrompt({Prompt::Step::TypeIn});
    else if (complete && m_placements.allRevealed())
        setPrompt({Prompt::Step::AllFaceUp});
    else
        setPrompt(Prompt::forPosition(m_spread.significatorCount()));
    setPhase(complete ? Phase::Complete : drawing);
    emit fanChanged();
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
    if (m_phase != Phase::DrawingAutomatically)
        return false;
    const int number = Drawing::chooseAutomaticCard(m_placements, m_deckSize, m_random);
    for (int slot = 0; number >= 0 && slot < m_deckSize; ++slot) {
        if (m_cards[slot].number == quint32(number)) {
            // The program draws for the user, so it turns each card face up too.
            const int position = m_placements.firstEmpty();
            drawCard(slot);
            reveal(position);
            break;
        }
    }
    // Once no card is left to draw, the user may draw what the fan still holds.
    if (m_phase == Phase::DrawingAutomatically && number < 0)
        setPhase(Phase::Drawing);
    return m_phase == Phase::DrawingAutomatically;
}

void ReadingSession::takeFromFan(int slot)
{
    m_cards[slot].x = Card::OffTable;
    m_cards[slot].y = Card::OffTable;
}

void ReadingSession::drawCard(int slot)
{
    takeFromFan(slot);
    emit fanChanged();
    const Card &card = m_cards[slot];
    const int position = m_placements.firstEmpty();
    if (position == m_placements.size()) {
        m_extraCard = ExtraCard{int(card.number), card.reversed != 0};
        emit extraCardDrawn(*m_extraCard);
        return;
    }
    m_placements.place(position, int(card.number), card.reversed != 0);
    emit positionChanged(position);
    promptNextStep();
}

void ReadingSession::promptNextStep()
{
    if (m_phase == Phase::TypingIn)
        setPrompt({Prompt::Step::TypeIn});
    else if (m_placements.allFilled())
        setPrompt({Prompt::Step::SpreadCompleted});
    else
        setPrompt(Prompt::forPosition(m_placements.firstEmpty()));
    if (isFanned() && m_placements.allFilled())
        setPhase(Phase::Complete);
}

ReadingSession::PositionAction ReadingSession::activatePosition(int position)
{
    if (position < 0 || position >= m_spread.positionCount())
        return PositionAction::Nothing;
    if (m_placements.isFilled(position)) {
        if (m_placements.isRevealed(position))
            return PositionAction::ShowDetail;
        reveal(position);
        return PositionAction::Revealed;
    }
    if (m_spread.positions.at(position).significator || m_phase == Phase::TypingIn)
        return PositionAction::ChooseCard;
    return PositionAction::Nothing;
}

void ReadingSession::reveal(int position)
{
    m_placements.reveal(position);
    emit positionChanged(position);
    // Once every card lies face up, the next step is reading them.
    if (isComplete() && m_placements.allRevealed())
        setPrompt({Prompt::Step::AllFaceUp});
}

QList<int> ReadingSession::cardChoicesFor(int position) const
{
    // A reading typed in from a physical deck may hold any card in play, at
    // its significators too.
    const bool significator = m_phase != Phase::TypingIn && position >= 0 &&
                              position < m_spread.positionCount() &&
                              m_spread.positions.at(position).significator;
    return significator ? CardChoice::significatorCards(m_deckSize)
                        : CardChoice::manualCards(m_deckSize);
}

int ReadingSession::slotForChosenCard(int number)
{
    for (int slot = 0; slot < m_deckSize; ++slot) {
        if (m_cards[slot].number == quint32(number))
            return slot;
    }
    // A court card as significator while only the Major Arcana are in play:
    // the last card in play gives way to it for this reading.
    const int slot = m_deckSize - 1;
    m_cards[slot].number = quint32(number);
    return slot;
}

bool ReadingSession::placeChosenCard(int position, int number, bool reversed)
{
    if (activatePosition(position) != PositionAction::ChooseCard || isInSpread(number))
        return false;
    const int slot = slotForChosenCard(number);
    m_cards[slot].reversed = reversed ? 1 : 0;
    takeFromFan(slot);
    emit fanChanged();
    m_placements.place(position, number, reversed);
    emit positionChanged(position);

    if (m_phase == Phase::ChoosingSignificators) {
        if (position == 0)
            emit querentChosen(number);
        reveal(position);
        if (nextSignificator() >= 0)
            setPrompt({Prompt::Step::ChooseSignificator});
        else
            waitForShuffle();
        return true;
    }
    promptNextStep();
    reveal(position);
    return true;
}

ReadingFile ReadingSession::toReadingFile(const QByteArray &comments) const
{
    ReadingFile reading;
    reading.spreadName = m_spreadName.toLocal8Bit();
    for (int slot = 0; slot < m_deckSize; ++slot)
        reading.cards.append({m_cards[slot].number, m_cards[slot].reversed != 0});
    for (const int card : m_placements.cards())
        reading.positions.append(quint32(card));
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

void ReadingSession::setPrompt(const Prompt &prompt)
{
    if (m_prompt == prompt)
        return;
    m_prompt = prompt;
    emit promptChanged(prompt);
}
