#include "ui/table/OptionDialogs.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/cards/CardFaceCache.h"
#include "core/cards/DeckList.h"
#include "core/lang/LanguageFiles.h"
#include "core/music/MusicController.h"
#include "ui/cards/DeckChooser.h"
#include "ui/cards/ImageSettingsDialog.h"
#include "ui/common/Interaction.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/music/MusicSettingsDialog.h"
#include "ui/music/SpreadMusicDialog.h"

#include <QSlider>

OptionDialogs::OptionDialogs(QWidget *window, const DialogContext &context, MusicController &music)
    : QObject(window)
    , m_window(window)
    , m_context(context)
    , m_music(music)
{}

void OptionDialogs::chooseDeck()
{
    ProgramData &data = m_context.data;
    Preferences &preferences = m_context.preferences;
    DeckChooser dialog(
        DeckList::scan(data.roots()),
        {preferences.deckName(), preferences.ardenvaleStyle(), preferences.strengthEleven()},
        m_context.faces, data.uiTexts(), m_window);
    if (m_context.interaction.execDialog(dialog) != QDialog::Accepted)
        return;
    const DeckChooser::Choice choice = dialog.choice();
    preferences.setDeckName(choice.deckName);
    preferences.setArdenvaleStyle(choice.ardenvaleStyle);
    preferences.setStrengthEleven(choice.strengthEleven);
    // The next reading deals the new deck's cards under the new titles; cards
    // already on the table keep their pictures until they are drawn again.
    data.scan(preferences);
    data.loadCardTitles(preferences);
    m_context.faces.clear();
}

void OptionDialogs::chooseLanguage()
{
    const ProgramData &data = m_context.data;
    LanguageDialog dialog(LanguageFiles::languageEntries(data.roots()),
                          m_context.preferences.language(), data.uiTexts(), m_window);
    if (m_context.interaction.execDialog(dialog) == QDialog::Accepted)
        m_context.preferences.setLanguage(dialog.selectedLanguage());
}

void OptionDialogs::openImageSettings()
{
    ImageSettingsDialog dialog(m_context.preferences, m_context.interaction,
                               m_context.data.uiTexts(), m_window);
    m_context.interaction.execDialog(dialog);
}

void OptionDialogs::openMusicSettings()
{
    const ProgramData &data = m_context.data;
    MusicSettingsDialog dialog(
        m_context.preferences, data.roots().musicDir(), data.uiTexts(), m_context.interaction,
        [this] { editSpreadMusic(); }, m_window);
    // The music follows the slider at once, and goes back to the kept loudness on Cancel.
    connect(dialog.volumeSlider, &QSlider::valueChanged, &m_music, &MusicController::previewVolume);
    if (m_context.interaction.execDialog(dialog) == QDialog::Accepted)
        m_music.applySettings(dialog.choice());
    else
        m_music.previewVolume(m_context.preferences.musicVolume());
}

void OptionDialogs::editSpreadMusic()
{
    const ProgramData &data = m_context.data;
    const DataRoots &roots = data.roots();
    SpreadMusicDialog dialog(data.spreadNames(),
                             {roots.associationFile(), roots.associationWritePath(),
                              roots.musicDir(), m_context.preferences.language()},
                             data.uiTexts(), m_context.interaction, m_window);
    m_context.interaction.execDialog(dialog);
}
