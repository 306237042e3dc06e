#pragma once

#include "core/lang/ToolkitTranslation.h"

#include <QObject>

class Preferences;
class ProgramData;
class UiTextTable;

// Loads the interface language the preferences name: at start when asked,
// and again whenever the preference changes. It takes the texts, card
// titles and guide into the program data and gives the toolkit's own
// dialogs the same language.
class LanguageLoader : public QObject
{
    Q_OBJECT

public:
    // Both must outlive the loader.
    LanguageLoader(ProgramData &data, const Preferences &preferences, QObject *parent = nullptr);

    // Loads the language now and returns what the user should hear about it:
    // that its files are incomplete, or nothing.
    QString load();

signals:
    // The language was loaded: what is shown is said again in it.
    void loaded();
    // A language chosen while the program runs lacks some of its files.
    void incomplete(const QString &notice);

private:
    ProgramData &m_data;
    const Preferences &m_preferences;
    ToolkitTranslation m_toolkitTranslation;
};
