#include "ui/table/TableAccessibility.h"

#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/spreads/PositionLabels.h"
#include "core/table/ReadingSession.h"
#include "ui/table/CardAccessible.h"
#include "ui/table/CardImage.h"
#include "ui/table/DeckView.h"
#include "ui/table/SpreadView.h"

#include <QAccessible>
#include <QLabel>

namespace {

// `first` and `second` as two sentences.
QString sentences(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    const QChar last = first.back();
    const bool ended = last == QLatin1Char('.') || last == QLatin1Char('!') ||
                       last == QLatin1Char('?') || last == QLatin1Char(':');
    return first + (ended ? QStringLiteral(" ") : QStringLiteral(". ")) + second;
}

void setNameAndDescription(QWidget &widget, const QString &name, const QString &description)
{
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

} // namespace

TableAccessibility::TableAccessibility(QWidget *table, DeckView &deck, SpreadView &spread,
                                       QLabel &prompt, const ProgramData &data,
                                       const ReadingSession &session)
    : QObject(table)
    , m_deck(deck)
    , m_spread(spread)
    , m_prompt(prompt)
    , m_data(data)
    , m_session(session)
{
    CardAccessible::install();
    connect(&m_deck, &DeckView::focusMoved, this, &TableAccessibility::describeDeck);
    connect(&m_session, &ReadingSession::phaseChanged, this, &TableAccessibility::describeDeck);
    connect(&m_session, &ReadingSession::promptChanged, this, &TableAccessibility::announcePrompt);
    connect(&m_session, &ReadingSession::positionChanged, this,
            &TableAccessibility::describePosition);
    connect(&m_session, &ReadingSession::spreadLaid, this, &TableAccessibility::describeSpread);
    retranslate();
}

void TableAccessibility::retranslate()
{
    describeDeck();
    describeSpread();
}

void TableAccessibility::describeDeck()
{
    const UiTextTable &texts = m_data.uiTexts();
    const DeckFocus &focus = m_deck.focus();
    const int deckSize = m_session.deckSize();
    QString name = texts.string(UiText::AccessibleStackedDeck);
    QString keys;
    if (m_session.isFanned()) {
        const int count = int(focus.fanSlots().size());
        name = texts.string(UiText::AccessibleFan).arg(count);
        if (count > 0)
            name += QStringLiteral(", ") +
                    texts.string(UiText::AccessibleFanCard).arg(focus.fanIndex() + 1).arg(count);
        if (m_session.canDrawFromFan())
            keys = texts.string(UiText::AccessibleFanKeys);
    } else if (m_session.phase() == ReadingSession::Phase::ReadyToCut) {
        name += QStringLiteral(", ") + texts.string(UiText::AccessibleCutPlace)
                                           .arg(focus.cutCards(m_deck.geometry()))
                                           .arg(deckSize);
        keys = texts.string(UiText::AccessibleCutKeys);
    }
    // The prompt says what to do next; the deck is where most of it is done.
    const QString prompt = m_prompt.text().simplified();
    setNameAndDescription(m_deck, name, sentences(prompt, keys));
}

void TableAccessibility::describePosition(int position)
{
    CardImage *image = m_spread.positionImage(position);
    if (!image)
        return;
    const UiTextTable &texts = m_data.uiTexts();
    const Spread &spread = m_session.spread();
    const Placements::Placement placement = m_session.placements().at(position);
    QString state = texts.string(UiText::AccessibleEmptyPosition);
    if (placement.isFilled() && !placement.revealed)
        state = texts.string(UiText::AccessibleFaceDown);
    if (placement.isFilled() && placement.revealed)
        state = m_data.cardTitle(placement.card) + QStringLiteral(", ") +
                texts.string(placement.reversed ? UiText::ReversedWord : UiText::AccessibleUpright);
    const QString label = m_data.decoded(PositionLabels::tableLabel(spread, position)).trimmed();
    const QString explanation = m_data.decoded(spread.explanation(position));
    setNameAndDescription(*image, label + QLatin1Char(' ') + state,
                          sentences(explanation, texts.string(UiText::AccessiblePositionKeys)));
}

void TableAccessibility::describeSpread()
{
    const QString name = m_session.spreadName();
    setNameAndDescription(m_spread, m_data.uiTexts().string(UiText::AccessibleSpread).arg(name),
                          QString());
    for (int position = 0; position < m_session.spread().positionCount(); ++position)
        describePosition(position);
}

void TableAccessibility::announcePrompt()
{
    // A screen reader says a changed name of the prompt at once, wherever the
    // focus is; the deck's description carries it to where the focus is.
    QAccessibleEvent changed(&m_prompt, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    describeDeck();
}
