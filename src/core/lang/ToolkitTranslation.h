#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The toolkit's own texts (standard buttons of message boxes, the file and
// colour choosers, the print dialog, edit context menus) in the interface
// language, from the toolkit's translation catalogues.
class ToolkitTranslation
{
public:
    ToolkitTranslation() = default;
    ~ToolkitTranslation();
    ToolkitTranslation(const ToolkitTranslation &) = delete;
    ToolkitTranslation &operator=(const ToolkitTranslation &) = delete;

    // The locale whose English language name is the language folder's name
    // ("Russian", "German"), compared without regard to letter case; the C
    // locale for a name no language has.
    static QLocale localeFor(const QString &language);

    // Replaces the installed catalogue by the one for `language`, from
    // `catalogueDir` (the toolkit's translations folder when empty). English,
    // an unknown language or a missing catalogue leave the toolkit in
    // English. True when a catalogue is installed.
    bool apply(const QString &language, const QString &catalogueDir = QString());
    bool isInstalled() const { return m_installed; }

private:
    void remove();

    QTranslator m_translator;
    bool m_installed = false;
};
