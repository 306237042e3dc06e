#include "core/app/ProgramData.h"

#include "core/app/DataFolders.h"
#include "core/app/Preferences.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/spreads/SpreadList.h"

#include <QFileInfo>

#include <cstddef>

ProgramData::ProgramData(const QString &appDir)
    : m_appDir(appDir)
{}

QString ProgramData::uiText(int index) const
{
    return m_uiTexts.string(index);
}

QString ProgramData::cardTitle(int number) const
{
    if (number < 0 || number >= int(m_cardTitles.size()))
        return {};
    return decoded(m_cardTitles[std::size_t(number)]);
}

QString ProgramData::decoded(const QByteArray &bytes) const
{
    return m_uiTexts.decoded(bytes);
}

QString ProgramData::unusableSpreadFilesNotice() const
{
    if (m_unusableSpreadFiles.isEmpty())
        return QString();
    return uiText(UiText::SpreadFileNamesUnusable) + QLatin1Char('\n') +
           m_unusableSpreadFiles.join(QLatin1Char('\n'));
}

void ProgramData::scan(Preferences &preferences)
{
    DataFolders::create(m_appDir);
    m_replacedDeck.clear();
    if (!DataFolders::deckExists(m_appDir, preferences.deckName)) {
        const QStringList bundled = DataFolders::bundledDecks();
        for (const QString &deck : bundled) {
            if (DataFolders::deckExists(m_appDir, deck)) {
                m_replacedDeck = preferences.deckName;
                preferences.deckName = deck;
                break;
            }
        }
    }
    m_deck79 = DataFolders::hasExtraCard(m_appDir, preferences.deckName);
    m_readingsDir = DataFolders::readingsDir(m_appDir);
    rescanSpreads();
}

void ProgramData::rescanSpreads()
{
    m_spreadNames = DataFolders::spreadNames(m_appDir);
    m_unusableSpreadFiles = DataFolders::unusableSpreadFiles(m_appDir);
    SpreadList::arrange(m_spreadNames);
}

void ProgramData::loadLanguage(const Preferences &preferences)
{
    m_language = preferences.language;
    m_uiTexts.setLanguage(m_language);
    m_uiTexts.replace(LanguageFiles::readUiTexts(m_appDir, m_language));
    const QString ownFolder = LanguageFiles::folder(m_appDir, m_language) + QLatin1Char('/');
    m_languageComplete = QFileInfo::exists(ownFolder + QStringLiteral("List.lng")) &&
                         QFileInfo::exists(ownFolder + QStringLiteral("Cards.lng")) &&
                         m_uiTexts.isComplete();
    loadCardTitles(preferences);
    m_helpGuide = LanguageFiles::helpGuide(m_appDir, m_language);
}

void ProgramData::loadCardTitles(const Preferences &preferences)
{
    CardTitles::load(m_cardTitles, m_appDir, preferences.language, m_deck79,
                     preferences.numbering());
}
