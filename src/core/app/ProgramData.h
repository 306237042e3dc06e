#pragma once

#include "core/app/DataRoots.h"
#include "core/lang/CardTitles.h"
#include "core/lang/UiTextTable.h"

#include <QString>
#include <QStringList>

struct Preferences;

// The program's data roots and what is loaded from them for the current deck
// and language: the interface texts, the card titles, the help file and the
// spreads on offer.
class ProgramData
{
public:
    explicit ProgramData(const DataRoots &roots);

    const DataRoots &roots() const { return m_roots; }
    const UiTextTable &uiTexts() const { return m_uiTexts; }
    // Interface text `index` of the current language, ready for display.
    QString uiText(int index) const;
    const CardTitles::Table &cardTitles() const { return m_cardTitles; }
    // Card `number`'s title, ready for display.
    QString cardTitle(int number) const;
    // Text from one of the program's files (a meaning, an explanation, a
    // comment), decoded for the current language.
    QString decoded(const QByteArray &bytes) const;
    // Whether the current language has its own interface and card lists and
    // its interface list reaches every built-in English line.
    bool languageComplete() const { return m_languageComplete; }
    // The deck name the settings gave when it named no deck folder and a
    // bundled deck was chosen instead; empty otherwise.
    QString replacedDeck() const { return m_replacedDeck; }
    QString helpFile() const { return m_helpFile; }
    // Where the reading open and save dialogs start.
    QString readingsDir() const { return m_readingsDir; }
    // The spread files' names in the order they are offered.
    const QStringList &spreadNames() const { return m_spreadNames; }
    // What to tell the user about spread files that cannot be offered
    // (names that are not valid UTF-8); empty when there are none.
    QString unusableSpreadFilesNotice() const;
    // Whether the chosen deck has the extra 79th card.
    bool deck79() const { return m_deck79; }

    // Makes the writable folders and looks at the deck and the spreads. A
    // deck name that names no deck folder is replaced by the first bundled
    // deck that exists.
    void scan(Preferences &preferences);
    // Lists the spread files again, after one was written.
    void rescanSpreads();
    // Loads the interface texts, card titles and help file of the chosen
    // language; lines its list lacks are shown in the built-in English.
    void loadLanguage(const Preferences &preferences);
    void loadCardTitles(const Preferences &preferences);

private:
    DataRoots m_roots;
    UiTextTable m_uiTexts;
    CardTitles::Table m_cardTitles;
    QString m_helpFile;
    QString m_readingsDir;
    QStringList m_spreadNames;
    QStringList m_unusableSpreadFiles;
    QString m_language;
    QString m_replacedDeck;
    bool m_deck79 = false;
    bool m_languageComplete = false;
};
