#include "ui/table/HandChoice.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/spreads/PositionLabels.h"
#include "core/table/ReadingSession.h"
#include "ui/cards/SelectCardDialog.h"
#include "ui/common/Interaction.h"
#include "ui/table/SpreadView.h"

HandChoice::HandChoice(QWidget *window, const DialogContext &context, ReadingSession &session,
                       SpreadView &spreadView, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_context(context)
    , m_session(session)
    , m_spreadView(spreadView)
{}

void HandChoice::chooseSignificators()
{
    while (m_session.phase() == ReadingSession::Phase::ChoosingSignificators) {
        if (!choose(m_session.nextSignificator())) {
            m_session.abandonSignificators();
            return;
        }
    }
}

QString HandChoice::captionFor(int position) const
{
    const Spread &spread = m_session.spread();
    if (!spread.positions.at(position).significator) {
        return m_context.data.uiText(UiText::OrdinaryPositionCaption) +
               QStringLiteral(" %1: ").arg(position - spread.significatorCount() + 1) +
               m_context.data.decoded(spread.explanation(position));
    }
    if (spread.significatorCount() == 1)
        return m_context.data.uiText(UiText::SignificatorCaption);
    return m_context.data.uiText(UiText::SignificatorCaption) +
           QStringLiteral(" %1").arg(position + 1);
}

bool HandChoice::choose(int position)
{
    const Spread &spread = m_session.spread();
    const bool significator = spread.positions.at(position).significator;
    SelectCardDialog dialog(m_context, m_session.cardChoicesFor(position), captionFor(position),
                            m_window);
    dialog.setOrientationShown(!significator);
    dialog.setPosition(m_context.data.decoded(PositionLabels::tableLabel(spread, position)),
                       m_context.data.decoded(spread.explanation(position)));
    if (significator && m_context.preferences.querentCard() >= 0)
        dialog.selectCard(m_context.preferences.querentCard());

    // The table shows which position the card is for while the dialog asks.
    m_spreadView.setHighlightedPosition(position);
    bool placed = false;
    while (!placed && m_context.interaction.execDialog(dialog) == QDialog::Accepted) {
        placed = m_session.placeChosenCard(position, dialog.chosenCard(), dialog.chosenReversed());
        if (!placed)
            m_context.interaction.showMessage(m_window,
                                              m_context.data.uiText(UiText::CardAlreadyInSpread));
    }
    m_spreadView.setHighlightedPosition(-1);
    return placed;
}
