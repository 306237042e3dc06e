#pragma once

#include "ScriptedInteraction.h"
#include "core/cards/CardFaceCache.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class TableWindow;

// A program folder and a settings store of a test's own, with the bundled
// language (and, on request, spreads and decks) in it, and the table started
// on them with a scripted interaction.
class TableFixture
{
public:
    // Out of line, where the face cache's type is complete.
    TableFixture();
    ~TableFixture();

    // Fresh folders; false when they cannot be made.
    [[nodiscard]] bool setUp();
    // Each of these returns false when it could not set the folder up, so a
    // test wraps it in QVERIFY and stops there.
    [[nodiscard]] bool copyLanguage(const QString &name);
    [[nodiscard]] bool copySpreads();
    // Links the bundled decks into the program folder.
    [[nodiscard]] bool linkDecks();
    [[nodiscard]] bool writeFile(const QString &relativePath, const QByteArray &bytes);
    // The table's preferences as stored, for a test to look at or set up.
    QSettings &storedSettings() { return *m_settings; }
    // The file the table's preferences are kept in.
    QString settingsFile() const { return m_settings->fileName(); }
    // Keeps the preferences in `path` instead, e.g. one that cannot be written.
    void useSettingsFile(const QString &path);
    // Starts the table and waits until it is shown; null on failure.
    std::unique_ptr<TableWindow> startTable();

    QString appDir() const { return m_appDir->path(); }
    // The card faces the table is given.
    CardFaceCache &faces() { return *m_faces; }
    ScriptedInteraction interaction;

private:
    static QString bundledDataDir();
    std::unique_ptr<QTemporaryDir> m_appDir;
    std::unique_ptr<QTemporaryDir> m_configDir;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<CardFaceCache> m_faces;
};
