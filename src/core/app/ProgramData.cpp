#include "core/app/ProgramData.h"

#include "core/app/DataFolders.h"
#include "core/app/Preferences.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/spreads/SpreadList.h"

ProgramData::ProgramData(const QString &appDir)
    : m_appDir(appDir)
    , m_helpFile(appDir + QStringLiteral("/Doded.hlp"))
{}

QString ProgramData::uiText(int index) const
{
    return m_uiTexts.string(index);
}

QString ProgramData::uiText(int index, const char *english) const
{
    const QString text = m_uiTexts.string(index);
    return text.isEmpty() ? QString::fromUtf8(english) : text;
}

QString ProgramData::unusableSpreadFilesNotice() const
{
    if (m_unusableSpreadFiles.isEmpty())
        return QString();
    return uiText(UiText::SpreadFileNamesUnusable,
                  "These spread files cannot be offered because their names are not valid "
                  "UTF-8:") +
           QLatin1Char('\n') + m_unusableSpreadFiles.join(QLatin1Char('\n'));
}

void ProgramData::scan(const Preferences &preferences)
{
    DataFolders::create(m_appDir);
    m_deck79 = DataFolders::hasExtraCard(m_appDir, preferences.deckName);
    m_readingsDir = DataFolders::readingsDir(m_appDir);
    m_spreadNames = DataFolders::spreadNames(m_appDir);
    m_unusableSpreadFiles = DataFolders::unusableSpreadFiles(m_appDir);
    SpreadList::arrange(m_spreadNames);
}

void ProgramData::loadLanguage(const Preferences &preferences)
{
    QList<QByteArray> lines = LanguageFiles::readUiTexts(m_appDir, preferences.language);
    if (lines.isEmpty())
        return;
    m_uiTexts.replace(std::move(lines));
    loadCardTitles(preferences);
    m_helpFile = LanguageFiles::helpFileFor(m_appDir, preferences.language, m_helpFile);
}

void ProgramData::loadCardTitles(const Preferences &preferences)
{
    CardTitles::load(m_cardTitles, m_appDir, preferences.language, m_deck79,
                     preferences.numbering());
}
