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
    , m_helpFile(appDir + QStringLiteral("/Doded.hlp"))
{}

QString ProgramData::uiText(int index) const
{
    return m_uiTexts.string(index);
}

const CardTitles::Table &ProgramData::cardTitles() const
{
    if (!m_cardTitles) {
        m_cardTitles.emplace();
        CardTitles::load(*m_cardTitles, m_appDir, m_titleSource.language, m_titleSource.deck79,
                         m_titleSource.numbering);
    }
    return *m_cardTitles;
}

QString ProgramData::cardTitle(int number) const
{
    const CardTitles::Table &titles = cardTitles();
    if (number < 0 || number >= int(titles.size()))
        return {};
    return decoded(titles[std::size_t(number)]);
}

QString ProgramData::decoded(const QByteArray &bytes) const
{
    return m_uiTexts.decoded(bytes);
}

const QStringList &ProgramData::spreadNames() const
{
    return spreadFiles().names;
}

QString ProgramData::unusableSpreadFilesNotice() const
{
    const QStringList &unusable = spreadFiles().unusable;
    if (unusable.isEmpty())
        return QString();
    return uiText(UiText::SpreadFileNamesUnusable) + QLatin1Char('\n') +
           unusable.join(QLatin1Char('\n'));
}

const ProgramData::SpreadFiles &ProgramData::spreadFiles() const
{
    if (!m_spreadFiles) {
        m_spreadFiles = SpreadFiles{DataFolders::spreadNames(m_appDir),
                                    DataFolders::unusableSpreadFiles(m_appDir)};
        SpreadList::arrange(m_spreadFiles->names);
    }
    return *m_spreadFiles;
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
    m_spreadFiles.reset();
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
    m_helpFile = LanguageFiles::helpFileFor(m_appDir, preferences.language, m_helpFile);
}

void ProgramData::loadCardTitles(const Preferences &preferences)
{
    m_titleSource = {preferences.language, m_deck79, preferences.numbering()};
    m_cardTitles.reset();
}
