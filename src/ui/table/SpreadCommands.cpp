#include "ui/table/SpreadCommands.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/music/MusicController.h"
#include "core/spreads/SpreadImport.h"
#include "core/table/ReadingSession.h"
#include "ui/common/Interaction.h"
#include "ui/spreads/SpreadChooser.h"
#include "ui/spreads/SpreadEditor.h"
#include "ui/table/HandChoice.h"

#include <QScreen>

SpreadCommands::SpreadCommands(QWidget *window, const DialogContext &context,
                               ReadingSession &session, MusicController &music, HandChoice &hands)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_session(session)
    , m_music(music)
    , m_hands(hands)
{}

std::optional<QString> SpreadCommands::chooseSpread(const QString &caption)
{
    const ProgramData &data = m_context.data;
    const QString notice = data.unusableSpreadFilesNotice();
    if (!notice.isEmpty() && !m_unusableSpreadsReported) {
        m_unusableSpreadsReported = true;
        m_context.interaction.showMessage(m_window, notice);
    }
    SpreadChooser chooser(data.spreadNames(), m_session.spreadName(), caption, data.uiTexts(),
                          m_window);
    if (m_context.interaction.execDialog(chooser) != QDialog::Accepted)
        return std::nullopt;
    // With nothing to choose from, OK keeps the spread of the last reading.
    return chooser.chosenName().isEmpty() ? m_session.spreadName() : chooser.chosenName();
}

void SpreadCommands::startReading()
{
    const auto name = chooseSpread(m_context.data.uiText(UiText::SelectSpreadCaption));
    // Without any spread to choose from there is nothing to lay.
    if (!name || name->isEmpty())
        return;
    QString error;
    if (!m_session.startReading(*name, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_music.spreadStarted(m_session.spreadName());
    m_hands.chooseSignificators();
}

void SpreadCommands::typeInReading()
{
    const auto name = chooseSpread(m_context.data.uiText(UiText::SelectSpreadCaption) +
                                   m_context.data.uiText(UiText::SelectSpreadForInput));
    if (!name || name->isEmpty())
        return;
    QString error;
    if (!m_session.startTypingIn(*name, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_music.spreadStarted(m_session.spreadName());
}

void SpreadCommands::startReadingFromFile(const QString &path)
{
    ProgramData &data = m_context.data;
    SpreadImport::Refusal refusal;
    const auto spread = SpreadImport::offer(data.roots(), data.spreadNames(), path, &refusal);
    if (!spread) {
        showSpreadRefused(refusal.text, refusal.kind == SpreadImport::Refusal::Kind::NotSaved
                                            ? UiText::SpreadNotSaved
                                            : UiText::SpreadUnreadable);
        return;
    }
    data.rescanSpreads();
    QString error;
    if (!m_session.startReadingFrom(spread->name, spread->path, &error)) {
        showSpreadRefused(error);
        return;
    }
    m_music.spreadStarted(m_session.spreadName());
    m_hands.chooseSignificators();
}

void SpreadCommands::editSpread()
{
    const auto name = chooseSpread(m_context.data.uiText(UiText::SelectSpreadCaption) +
                                   m_context.data.uiText(UiText::SelectSpreadToEdit));
    if (name && !name->isEmpty())
        designSpread(*name);
}

void SpreadCommands::designSpread(const QString &name)
{
    ProgramData &data = m_context.data;
    const QScreen *screen = m_window->screen();
    SpreadEditor editor(
        {data.roots(), name, m_spreadAreaSize, m_context.preferences.backColor().toQColor(),
         screen ? screen->availableSize() : QSize(), m_context.preferences.language()},
        data.uiTexts(), m_context.interaction, m_window);
    if (!editor.loadFault().isEmpty())
        showSpreadRefused(editor.loadFault());
    // The reading on the table is left alone; a saved spread is offered at once.
    if (m_context.interaction.execDialog(editor) == QDialog::Accepted)
        data.rescanSpreads();
}

void SpreadCommands::showSpreadRefused(const QString &fault, UiText::Index headline)
{
    m_context.interaction.showMessage(m_window, m_context.data.uiText(headline) +
                                                    QStringLiteral("\n\n") + fault);
}
