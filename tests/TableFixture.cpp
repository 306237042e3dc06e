#include "TableFixture.h"

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
    copyLanguage(QStringLiteral("English"));
    return true;
}

void TableFixture::useSettingsFile(const QString &path)
{
    m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString TableFixture::bundledDataDir()
{
    return QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR);
}

void TableFixture::copyLanguage(const QString &name)
{
    const QString source = bundledDataDir() + QStringLiteral("/Langs/") + name;
    for (const QString &file : {QStringLiteral("List.lng"), QStringLiteral("Cards.lng")}) {
        QFile in(source + QLatin1Char('/') + file);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
        writeFile(QStringLiteral("Langs/") + name + QLatin1Char('/') + file, in.readAll());
    }
}

void TableFixture::copySpreads()
{
    const QDir spreads(bundledDataDir() + QStringLiteral("/Spreads"));
    const QStringList files = spreads.entryList({QStringLiteral("*.spread")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    QVERIFY(QDir(appDir()).mkpath(QStringLiteral("Spreads")));
    for (const QString &file : files)
        QVERIFY(QFile::copy(spreads.filePath(file), appDir() + QStringLiteral("/Spreads/") + file));
}

void TableFixture::linkDecks()
{
    QVERIFY(QFile::link(bundledDataDir() + QStringLiteral("/Pics"),
                        appDir() + QStringLiteral("/Pics")));
}

void TableFixture::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    const QString path = m_appDir->filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
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
