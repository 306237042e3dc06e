#include "core/app/ProgramData.h"

#include "core/app/Preferences.h"
#include "core/data/DataFolders.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/spreads/SpreadList.h"

#include <QFileInfo>

#include <cstddef>

ProgramData::ProgramData(const DataRoots &roots)
    : m_roots(roots)
{}

QString ProgramData::uiText(int index) const
{
    return m_uiTexts.string(index);
}

const CardTitles::Table &ProgramData::cardTitles() const
{
    if (!m_cardTitles) {
        m_cardTitles.emplace();
        CardTitles::load(*m_cardTitles, m_roots, m_titleSource.language, m_titleSource.deck79,
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
        m_spreadFiles = SpreadFiles{DataFolders::spreadNames(m_roots),
                                    DataFolders::unusableSpreadFiles(m_roots)};
        SpreadList::arrange(m_spreadFiles->names);
    }
    return *m_spreadFiles;
}

void ProgramData::scan(Preferences &preferences)
{
    m_replacedDeck.clear();
    if (!DataFolders::deckExists(m_roots, preferences.deckName())) {
        const QStringList bundled = DataFolders::bundledDecks();
        for (const QString &deck : bundled) {
            if (DataFolders::deckExists(m_roots, deck)) {
                m_replacedDeck = preferences.deckName();
                preferences.setDeckName(deck);
                break;
            }
        }
    }
    m_deck79 = DataFolders::hasExtraCard(m_roots, preferences.deckName());
    m_readingsDir = DataFolders::readingsDir(m_roots);
    rescanSpreads();
}

void ProgramData::rescanSpreads()
{
    m_spreadFiles.reset();
}

void ProgramData::loadLanguage(const Preferences &preferences)
{
    m_language = preferences.language();
    m_uiTexts.setLanguage(m_language);
    m_uiTexts.replace(LanguageFiles::readUiTexts(m_roots, m_language));
    m_languageComplete =
        !LanguageFiles::ownFile(m_roots, m_language, QStringLiteral("List.lng")).isEmpty() &&
        !LanguageFiles::ownFile(m_roots, m_language, QStringLiteral("Cards.lng")).isEmpty() &&
        m_uiTexts.isComplete();
    loadCardTitles(preferences);
    m_helpGuide = LanguageFiles::helpGuide(m_roots, m_language);
}

void ProgramData::loadCardTitles(const Preferences &preferences)
{
    m_titleSource = {preferences.language(), m_deck79, preferences.numbering()};
    m_cardTitles.reset();
}
