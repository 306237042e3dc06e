#pragma once

#include "core/data/DataRoots.h"
#include "core/lang/CardTitles.h"
#include "core/lang/UiTextTable.h"

#include <QString>
#include <QStringList>

#include <optional>

class Preferences;

// The program's data roots and what is loaded from them for the current deck
// and language: the interface texts, the card titles, the user's guide and the
// spreads on offer. The card titles and the spread list are read when first
// asked for, since the table's first sight shows neither.
class ProgramData
{
public:
    explicit ProgramData(const DataRoots &roots);

    const DataRoots &roots() const { return m_roots; }
    const UiTextTable &uiTexts() const { return m_uiTexts; }
    // Interface text `index` of the current language, ready for display.
    QString uiText(int index) const;
    const CardTitles::Table &cardTitles() const;
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
    // The current language's user's guide (English when it has none);
    // empty when no guide is installed.
    QString helpGuide() const { return m_helpGuide; }
    // Where the reading open and save dialogs start.
    QString readingsDir() const { return m_readingsDir; }
    // The spread files' names in the order they are offered.
    const QStringList &spreadNames() const;
    // What to tell the user about spread files that cannot be offered
    // (names that are not valid UTF-8); empty when there are none.
    QString unusableSpreadFilesNotice() const;
    // Whether the chosen deck has the extra 79th card.
    bool deck79() const { return m_deck79; }

    // Looks at the deck and the spreads, writing nothing. A deck name that
    // names no deck folder is replaced by the first bundled deck that exists.
    void scan(Preferences &preferences);
    // Lists the spread files again, at the next look, after one was written.
    void rescanSpreads();
    // Loads the interface texts and user's guide of the chosen language, and
    // takes its card titles; lines its list lacks are shown in the built-in
    // English.
    void loadLanguage(const Preferences &preferences);
    // Takes the card titles of the chosen language, deck and numbering.
    void loadCardTitles(const Preferences &preferences);

private:
    // Where the card titles are read from when first asked for.
    struct TitleSource
    {
        QString language;
        bool deck79 = false;
        CardTitles::Numbering numbering;
    };
    // The spread files as they were listed last.
    struct SpreadFiles
    {
        QStringList names;
        QStringList unusable;
    };
    const SpreadFiles &spreadFiles() const;

    DataRoots m_roots;
    UiTextTable m_uiTexts;
    TitleSource m_titleSource;
    mutable std::optional<CardTitles::Table> m_cardTitles;
    QString m_helpGuide;
    QString m_readingsDir;
    mutable std::optional<SpreadFiles> m_spreadFiles;
    QString m_language;
    QString m_replacedDeck;
    bool m_deck79 = false;
    bool m_languageComplete = false;
};
