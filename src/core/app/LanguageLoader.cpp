#include "core/app/LanguageLoader.h"

#include "core/app/Preferences.h"
#include "core/app/ProgramData.h"
#include "core/lang/UiText.h"

LanguageLoader::LanguageLoader(ProgramData &data, const Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_data(data)
    , m_preferences(preferences)
{
    connect(&m_preferences, &Preferences::changed, this, [this](Preferences::Setting setting) {
        if (setting != Preferences::Setting::Language)
            return;
        const QString notice = load();
        if (!notice.isEmpty())
            emit incomplete(notice);
    });
}

QString LanguageLoader::load()
{
    m_data.loadLanguage(m_preferences);
    m_toolkitTranslation.apply(m_preferences.language());
    emit loaded();
    return m_data.languageComplete() ? QString() : m_data.uiText(UiText::LanguageIncomplete);
}
