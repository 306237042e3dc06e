#include "ui/table/OptionToggles.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"
#include "core/table/ReadingSession.h"
#include "ui/common/Interaction.h"
#include "ui/table/TableMenu.h"

#include <QAction>
#include <QColorDialog>

#include <utility>

OptionToggles::OptionToggles(QWidget *window, TableMenu &menu, Preferences &preferences,
                             const ProgramData &data, Interaction &interaction,
                             const ReadingSession &session)
    : QObject(window)
    , m_window(window)
    , m_menu(menu)
    , m_preferences(preferences)
    , m_data(data)
    , m_interaction(interaction)
    , m_session(session)
{
    connect(&m_preferences, &Preferences::changed, this, &OptionToggles::showChecks);
    showChecks();
}

void OptionToggles::showChecks()
{
    const std::pair<const char *, bool> checks[] = {
        {"cutDeckAction", m_preferences.cutDeck()},
        {"threePilesAction", m_preferences.cutThreePiles()},
        {"majorArcanaOnlyAction", m_preferences.majorOnly()},
        {"playMusicAction", m_preferences.playMusic()},
        {"spreadTipsAction", m_preferences.useTips()},
        {"automaticDrawAction", m_preferences.drawAuto()},
        {"reversedPositionsAction", m_preferences.useReverse()},
    };
    for (const auto &[name, checked] : checks)
        m_menu.action(name)->setChecked(checked);
    m_menu.action("threePilesAction")->setEnabled(m_preferences.cutDeck());
}

void OptionToggles::toggleMajorArcanaOnly()
{
    m_preferences.setMajorOnly(!m_preferences.majorOnly());
}

void OptionToggles::toggleReversedPositions()
{
    m_preferences.setUseReverse(!m_preferences.useReverse());
}

void OptionToggles::toggleAutomaticDraw()
{
    m_preferences.setDrawAuto(!m_preferences.drawAuto());
    // The reading in progress keeps the mode it started with.
    if (m_session.isBeforeDrawing())
        m_interaction.showMessage(m_window, m_data.uiText(m_preferences.drawAuto()
                                                              ? UiText::AutoDrawTurnedOn
                                                              : UiText::AutoDrawTurnedOff));
}

void OptionToggles::toggleCutDeck()
{
    m_preferences.setCutDeck(!m_preferences.cutDeck());
}

void OptionToggles::toggleThreePiles()
{
    m_preferences.setCutThreePiles(!m_preferences.cutThreePiles());
}

void OptionToggles::toggleSpreadTips()
{
    m_preferences.setUseTips(!m_preferences.useTips());
}

void OptionToggles::chooseBackgroundColor()
{
    QColorDialog dialog(m_preferences.backColor().toQColor(), m_window);
    dialog.setObjectName(QStringLiteral("backgroundColorDialog"));
    if (m_interaction.execDialog(dialog) == QDialog::Accepted)
        m_preferences.setBackColor(BgrColor::fromQColor(dialog.selectedColor()));
}

void OptionToggles::useDefaultBackground()
{
    m_preferences.setBackColor(TableColor::DefaultBackColor);
}
