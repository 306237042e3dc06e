#include "core/app/ProgramData.h"

#include "core/app/DataFolders.h"
#include "core/app/Preferences.h"
#include "core/lang/LanguageFiles.h"
#include "core/lang/UiText.h"
#include "core/spreads/SpreadList.h"

#include <QFileInfo>

#include <cstddef>

ProgramData::ProgramData(const DataRoots &roots)
    : m_roots(roots)
    , m_helpFile(roots.findOrBundled(QStringLiteral("Doded.hlp")))
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
    m_roots.createFolders();
    m_replacedDeck.clear();
    if (!DataFolders::deckExists(m_roots, preferences.deckName)) {
        const QStringList bundled = DataFolders::bundledDecks();
        for (const QString &deck : bundled) {
            if (DataFolders::deckExists(m_roots, deck)) {
                m_replacedDeck = preferences.deckName;
                preferences.deckName = deck;
                break;
            }
        }
    }
    m_deck79 = DataFolders::hasExtraCard(m_roots, preferences.deckName);
    m_readingsDir = DataFolders::readingsDir(m_roots);
    rescanSpreads();
}

void ProgramData::rescanSpreads()
{
    m_spreadNames = DataFolders::spreadNames(m_roots);
    m_unusableSpreadFiles = DataFolders::unusableSpreadFiles(m_roots);
    SpreadList::arrange(m_spreadNames);
}

void ProgramData::loadLanguage(const Preferences &preferences)
{
    m_language = preferences.language;
    m_uiTexts.setLanguage(m_language);
    m_uiTexts.replace(LanguageFiles::readUiTexts(m_roots, m_language));
    m_languageComplete =
        !LanguageFiles::ownFile(m_roots, m_language, QStringLiteral("List.lng")).isEmpty() &&
        !LanguageFiles::ownFile(m_roots, m_language, QStringLiteral("Cards.lng")).isEmpty() &&
        m_uiTexts.isComplete();
    loadCardTitles(preferences);
    m_helpFile = LanguageFiles::helpFileFor(m_roots, preferences.language, m_helpFile);
}

void ProgramData::loadCardTitles(const Preferences &preferences)
{
    CardTitles::load(m_cardTitles, m_roots, preferences.language, m_deck79,
                     preferences.numbering());
}
