#include "TableFixture.h"

#include "TestFiles.h"
#include "core/cards/CardFaceCache.h"
#include "ui/table/DeckView.h"
#include "ui/table/TableWindow.h"

#include <QDir>
#include <QFile>
#include <QtTest>

TableFixture::TableFixture() = default;

TableFixture::~TableFixture() = default;

bool TableFixture::setUp()
{
    // The old settings go before their folder: dropping them writes them out,
    // which would make the folder again.
    m_settings.reset();
    m_appDir = std::make_unique<QTemporaryDir>();
    m_configDir = std::make_unique<QTemporaryDir>();
    if (!m_appDir->isValid() || !m_configDir->isValid())
        return false;
    m_settings = std::make_unique<QSettings>(m_configDir->filePath(QStringLiteral("Doded.conf")),
                                             QSettings::IniFormat);
    m_faces = std::make_unique<CardFaceCache>(m_appDir->path());
    interaction = ScriptedInteraction();
    return copyLanguage(QStringLiteral("English"));
}

void TableFixture::useSettingsFile(const QString &path)
{
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString TableFixture::bundledDataDir()
{
    return QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR);
}

bool TableFixture::copyLanguage(const QString &name)
{
    const QString source = bundledDataDir() + QStringLiteral("/Langs/") + name;
    for (const QString &file : {QStringLiteral("List.lng"), QStringLiteral("Cards.lng")}) {
        QFile in(source + QLatin1Char('/') + file);
        if (!in.open(QIODevice::ReadOnly) ||
            !writeFile(QStringLiteral("Langs/") + name + QLatin1Char('/') + file, in.readAll()))
            return false;
    }
    return true;
}

bool TableFixture::copySpreads()
{
    const QDir spreads(bundledDataDir() + QStringLiteral("/Spreads"));
    const QStringList files = spreads.entryList({QStringLiteral("*.spread")}, QDir::Files);
    if (files.isEmpty() || !QDir(appDir()).mkpath(QStringLiteral("Spreads")))
        return false;
    for (const QString &file : files) {
        if (!QFile::copy(spreads.filePath(file), appDir() + QStringLiteral("/Spreads/") + file))
            return false;
    }
    return true;
}

bool TableFixture::linkDecks()
{
    return QFile::link(bundledDataDir() + QStringLiteral("/Pics"),
                       appDir() + QStringLiteral("/Pics"));
}

bool TableFixture::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    return writeTestFile(m_appDir->filePath(relativePath), bytes);
}

std::unique_ptr<TableWindow> TableFixture::startTable()
{
    auto table = std::make_unique<TableWindow>(appDir(), *m_settings, interaction, *m_faces);
    // The cut plays every frame without waiting between them, so tests that
    // cut need not wait out the animation.
    table->findChild<DeckView *>(QStringLiteral("deckView"))->setCutPauses(false);
    table->show();
    if (!QTest::qWaitForWindowExposed(table.get()))
        return nullptr;
    return table;
}
