// Checks what music plays when: the pieces a folder offers, the in-order and
// random choices and how they give up, the spreads' own music, and what the
// settings dialog's OK starts.
#include "FakeMusicPlayer.h"
#include "TestFiles.h"
#include "TinyDisk.h"
#include "core/app/Preferences.h"
#include "core/data/DataRoots.h"
#include "core/music/MusicController.h"
#include "core/music/MusicFolder.h"
#include "core/music/SpreadMusic.h"
#include "core/util/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestMusicController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void folderOffersFilesButNotPlaylistsOrFolders();
    void inOrderWrapsAndMovesOnAtTheEnd();
    void inOrderStartsFromTheSelectedFile();
    void inOrderTriesEachFileOnceWhenNothingPlays();
    void laterFailureMovesOnToTheNextFile();
    void randomWithOneOrTwoFiles();
    void randomPassEnds_data();
    void randomPassEnds();
    void lateFailuresAreNotDrawnAgain();
    void deviceFailureEndsTheTrying();
    void nextPieceMovesOn();
    void staleNotificationsStartNothing();
    void lookupMatchesWholeNamesAtLineStart();
    void musicNamesResolveUnderTheMusicFolder();
    void spreadPlaysItsOwnMusic();
    void spreadWithoutUsableMusicFallsBack();
    void associationFileIsFoundInAnyLetterCase();
    void failedWriteKeepsTheOldFile();
    void settingsOkRules();

private:
    QString music(const QString &name) const { return m_music + QLatin1Char('/') + name; }
    [[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes = "MThd");
    void associate(const QByteArray &text);
    void makeController(PlayMode playMode, const QString &current);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_music;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<MusicController> m_controller;
    std::unique_ptr<FakeMusicPlayer> m_player;
};

void TestMusicController::init()
{
    m_controller.reset();
    m_player.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_music = m_dir->path() + QStringLiteral("/Music");
    QVERIFY(QDir().mkpath(m_music + QStringLiteral("/sub")));
    for (const char *name : {"a.mid", "B.mid", "c.m3u", "sub/d.mid"})
        QVERIFY(writeFile(music(QLatin1String(name))));
}

bool TestMusicController::writeFile(const QString &path, const QByteArray &bytes)
{
    return writeTestFile(path, bytes);
}

void TestMusicController::associate(const QByteArray &text)
{
    QVERIFY(writeFile(DataRoots(m_dir->path()).associationWritePath(), text));
}

void TestMusicController::makeController(PlayMode playMode, const QString &current)
{
    m_preferences = std::make_unique<Preferences>();
    m_preferences->setPlayMode(playMode);
    m_preferences->setMusicDir(m_music);
    m_preferences->setMusicFile(current);
    m_preferences->setLastMusicFile(current);
    m_player = std::make_unique<FakeMusicPlayer>();
    m_controller = std::make_unique<MusicController>(m_dir->path(), *m_preferences);
    m_controller->setPlayer(m_player.get());
    m_controller->random().setSeedSource([seed = quint32(1)]() mutable { return seed++; });
}

void TestMusicController::folderOffersFilesButNotPlaylistsOrFolders()
{
    for (const char *name :
         {".directory", ".hidden.mid", "cover.jpg", "notes.txt", "e.OGG", "f.midi", ":g.wav"})
        QVERIFY(writeFile(music(QLatin1String(name))));
    // Sorted without regard to case: "a" before "B"; a name that would look
    // like a resource path on its own is still a file of the folder.
    QCOMPARE(MusicFolder::candidates(m_music),
             QStringList({music(":g.wav"), music("a.mid"), music("B.mid"), music("e.OGG"),
                          music("f.midi")}));
    QCOMPARE(MusicFolder::indexOf(MusicFolder::candidates(m_music), music("b.MID")), 2);
    QVERIFY(MusicFolder::candidates(m_dir->filePath(QStringLiteral("missing"))).isEmpty());
}

void TestMusicController::inOrderWrapsAndMovesOnAtTheEnd()
{
    makeController(PlayMode::InOrder, music("B.mid"));
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays, QStringList{music("a.mid")});
    QCOMPARE(m_controller->nowPlaying(), music("a.mid"));
    QCOMPARE(m_preferences->lastMusicFile(), music("a.mid"));
    m_player->finishCurrent();
    m_player->finishCurrent();
    QCOMPARE(m_player->plays, QStringList({music("a.mid"), music("B.mid"), music("a.mid")}));
    // Switched off, nothing plays and nothing starts.
    m_controller->togglePlayMusic(false, QString());
    QVERIFY(!m_preferences->playMusic());
    QVERIFY(m_controller->nowPlaying().isEmpty());
    m_controller->playFromFolder();
    QCOMPARE(m_player->plays.size(), 3);
}

void TestMusicController::inOrderStartsFromTheSelectedFile()
{
    makeController(PlayMode::InOrder, music("B.mid"));
    m_controller->togglePlayMusic(false, QString());
    MusicSettingsChoice choice;
    choice.playMode = PlayMode::InOrder;
    choice.folder = m_music;
    choice.selectedFile = music("B.mid");
    m_controller->applySettings(choice);
    // The file picked plays first, not the one after it.
    QCOMPARE(m_player->plays, QStringList({music("a.mid"), music("B.mid")}));
    m_player->finishCurrent();
    QCOMPARE(m_player->plays.last(), music("a.mid"));
}

void TestMusicController::inOrderTriesEachFileOnceWhenNothingPlays()
{
    makeController(PlayMode::InOrder, music("a.mid"));
    m_player->answer = [](const QString &) { return FakeMusicPlayer::Answer::Fail; };
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays, QStringList({music("B.mid"), music("a.mid")}));
    QVERIFY(m_controller->nowPlaying().isEmpty());
}

void TestMusicController::laterFailureMovesOnToTheNextFile()
{
    makeController(PlayMode::InOrder, music("a.mid"));
    m_player->answer = [](const QString &) { return FakeMusicPlayer::Answer::Wait; };
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays, QStringList{music("B.mid")});
    m_player->failCurrent();
    QCOMPARE(m_player->plays, QStringList({music("B.mid"), music("a.mid")}));
    // Every file failed once: the pass is over.
    m_player->failCurrent();
    QCOMPARE(m_player->plays.size(), 2);
}

void TestMusicController::randomWithOneOrTwoFiles()
{
    makeController(PlayMode::Random, music("a.mid"));
    m_controller->togglePlayMusic(false, QString());
    for (int i = 0; i < 20; ++i)
        m_player->finishCurrent();
    QCOMPARE(m_player->plays.size(), 21);
    for (int i = 0; i < m_player->plays.size(); ++i) {
        const QString before = i == 0 ? music("a.mid") : m_player->plays.at(i - 1);
        QVERIFY2(m_player->plays.at(i) != before, qPrintable(m_player->plays.join(' ')));
    }

    QVERIFY(QFile::remove(music("B.mid")));
    m_controller->playFromFolder();
    m_controller->playFromFolder();
    QCOMPARE(m_player->plays.mid(21), QStringList({music("a.mid"), music("a.mid")}));
}

void TestMusicController::randomPassEnds_data()
{
    QTest::addColumn<int>("extraFiles");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("plays");
    QTest::addColumn<QString>("last");
    // The other file fails once and is not drawn again: the current one has the last try.
    QTest::newRow("two files") << 0 << QStringLiteral("B.mid") << 2 << QStringLiteral("B.mid");
    // Never more than the hundred draws, each a file not failed yet.
    QTest::newRow("many files") << 150 << QStringLiteral("B.mid")
                                << MusicController::RandomTries + 1 << QStringLiteral("B.mid");
    // Outside the folder: the first file has the last try, but it failed already.
    QTest::newRow("current elsewhere") << 0 << QStringLiteral("../elsewhere.mid") << 2 << QString();
}

void TestMusicController::randomPassEnds()
{
    QFETCH(int, extraFiles);
    QFETCH(QString, current);
    QFETCH(int, plays);
    QFETCH(QString, last);
    for (int i = 0; i < extraFiles; ++i)
        QVERIFY(writeFile(music(QStringLiteral("x%1.mid").arg(i))));
    makeController(PlayMode::Random, music(current));
    m_player->answer = [](const QString &) { return FakeMusicPlayer::Answer::Fail; };
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays.size(), plays);
    QCOMPARE(QSet<QString>(m_player->plays.begin(), m_player->plays.end()).size(), plays);
    if (!last.isEmpty())
        QCOMPARE(m_player->plays.last(), music(last));
}

void TestMusicController::lateFailuresAreNotDrawnAgain()
{
    // A piece beside an unplayable file: the file's late failure is charged
    // to it alone, and the piece plays.
    makeController(PlayMode::Random, music("B.mid"));
    m_player->answer = [this](const QString &path) {
        return path == music("a.mid") ? FakeMusicPlayer::Answer::Wait
                                      : FakeMusicPlayer::Answer::Start;
    };
    m_controller->togglePlayMusic(false, QString());
    m_player->failCurrent();
    QCOMPARE(m_player->plays, QStringList({music("a.mid"), music("B.mid")}));
    QCOMPARE(m_controller->nowPlaying(), music("B.mid"));
    // At its end the next pass tries the unplayable file again, then the piece.
    m_player->finishCurrent();
    m_player->failCurrent();
    QCOMPARE(m_player->plays.mid(2), QStringList({music("a.mid"), music("B.mid")}));
}

void TestMusicController::deviceFailureEndsTheTrying()
{
    makeController(PlayMode::Random, music("a.mid"));
    m_player->answer = [](const QString &) { return FakeMusicPlayer::Answer::FailDevice; };
    QSignalSpy told(m_controller.get(), &MusicController::soundUnavailable);
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays.size(), 1);
    QVERIFY(m_controller->nowPlaying().isEmpty());
    // Told once, though every later try fails the same way; the tick stays.
    m_controller->spreadStarted(QStringLiteral("Any"));
    QCOMPARE(m_player->plays.size(), 2);
    QCOMPARE(told.size(), 1);
    QVERIFY(m_preferences->playMusic());
    // Switched off and on: told again.
    m_controller->togglePlayMusic(false, QString());
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(told.size(), 2);
}

void TestMusicController::nextPieceMovesOn()
{
    // In order, and with one selected file, the next file of the folder; the
    // spread's own music gives way to the folder's.
    associate("Cross \"sub\\d.mid\"\r\n");
    makeController(PlayMode::SelectedFile, music("a.mid"));
    m_preferences->setPlayMusic(true);
    m_controller->spreadStarted(QStringLiteral("Cross"));
    m_controller->nextPiece();
    QCOMPARE(m_player->plays, QStringList({music("sub/d.mid"), music("B.mid")}));
    QCOMPARE(m_preferences->lastMusicFile(), music("B.mid"));
    // The new selected file is what repeats.
    m_controller->spreadStarted(QStringLiteral("Other"));
    m_player->finishCurrent();
    QCOMPARE(m_player->plays.last(), music("B.mid"));
    m_controller->nextPiece();
    QCOMPARE(m_player->plays.last(), music("a.mid"));
}

void TestMusicController::staleNotificationsStartNothing()
{
    makeController(PlayMode::SelectedFile, music("a.mid"));
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays.size(), 1);
    // The end of a file that was replaced by another.
    emit m_player->finished(music("B.mid"));
    QCOMPARE(m_player->plays.size(), 1);
    // The end of a file that was stopped.
    m_controller->togglePlayMusic(false, QString());
    emit m_player->finished(music("a.mid"));
    emit m_player->failed(music("a.mid"), MusicPlayer::Failure::File);
    QCOMPARE(m_player->plays.size(), 1);
    // A file that really ends repeats in this mode.
    m_controller->togglePlayMusic(false, QString());
    m_player->finishCurrent();
    QCOMPARE(m_player->plays, QStringList(3, music("a.mid")));
}

void TestMusicController::lookupMatchesWholeNamesAtLineStart()
{
    const QString text = QStringLiteral("Celtic Cross \"celtic.mid\"\r\n"
                                        "Cross \"cross.mid\"\r\n"
                                        "Odd \"say \"hi\".mid\"\r\n"
                                        "Broken \"no end\r\n");
    QCOMPARE(SpreadMusic::lookup(text, QStringLiteral("Cross")), QStringLiteral("cross.mid"));
    QCOMPARE(SpreadMusic::lookup(text, QStringLiteral("celtic CROSS")),
             QStringLiteral("celtic.mid"));
    QCOMPARE(SpreadMusic::lookup(text, QStringLiteral("Celtic")), QString());
    QCOMPARE(SpreadMusic::lookup(text, QStringLiteral("Odd")), QStringLiteral("say \"hi\".mid"));
    QCOMPARE(SpreadMusic::lookup(text, QStringLiteral("Broken")), QString());
    QCOMPARE(SpreadMusic::lookup(text, QString()), QString());

    // What compose() writes, lookup() reads back.
    const QByteArray written =
        SpreadMusic::compose({{QStringLiteral("Cross"), QStringLiteral("sub/d.mid")},
                              {QStringLiteral("Empty"), QString()},
                              {QStringLiteral("Celtic Cross"), QStringLiteral("a.mid")}});
    QCOMPARE(written, QByteArray("Cross \"sub/d.mid\"\r\nCeltic Cross \"a.mid\"\r\n"));
    QCOMPARE(SpreadMusic::lookup(QString::fromUtf8(written), QStringLiteral("Cross")),
             QStringLiteral("sub/d.mid"));

    // Byte-order marks before a name are invisible, and reading the file
    // drops the first: a name written with them is still found.
    const QString marked = QStringLiteral("\uFEFF\uFEFFCross");
    const QString path = m_dir->filePath(QStringLiteral("associat.txt"));
    QVERIFY(SpreadMusic::write(path, {{marked, QStringLiteral("b.mid")}}));
    const QString read = SpreadMusic::readText(path, QStringLiteral("English"));
    QCOMPARE(SpreadMusic::lookup(read, marked), QStringLiteral("b.mid"));
    QCOMPARE(SpreadMusic::lookup(read, QStringLiteral("Cross")), QStringLiteral("b.mid"));
    QCOMPARE(SpreadMusic::lookup(read, QStringLiteral("\uFEFF")), QString());
}

void TestMusicController::musicNamesResolveUnderTheMusicFolder()
{
    QCOMPARE(SpreadMusic::resolve(QStringLiteral("a.mid"), m_music), music("a.mid"));
    QCOMPARE(SpreadMusic::resolve(QStringLiteral("sub\\d.mid"), m_music), music("sub/d.mid"));
    QCOMPARE(SpreadMusic::resolve(QStringLiteral("sub/d.mid"), m_music), music("sub/d.mid"));
    QCOMPARE(SpreadMusic::resolve(QStringLiteral("/srv/tunes/x.mid"), m_music),
             QStringLiteral("/srv/tunes/x.mid"));
    QCOMPARE(SpreadMusic::resolve(QStringLiteral(":x.mid"), m_music), music(":x.mid"));
    // ".." may move within the folder but never out of it.
    QCOMPARE(SpreadMusic::resolve(QStringLiteral("sub/../a.mid"), m_music), music("a.mid"));
    for (const char *outside : {"../x.mid", "sub\\..\\..\\x.mid", ".."})
        QCOMPARE(SpreadMusic::resolve(QLatin1String(outside), m_music), QString());
    QCOMPARE(SpreadMusic::musicNameFor(music("sub/d.mid"), m_music), QStringLiteral("sub/d.mid"));
    QCOMPARE(SpreadMusic::musicNameFor(music("a.mid"), m_music), QStringLiteral("a.mid"));
    // A folder whose name merely begins like the music folder's is outside it.
    QCOMPARE(SpreadMusic::musicNameFor(m_music + QStringLiteral("2/x.mid"), m_music),
             m_music + QStringLiteral("2/x.mid"));
}

void TestMusicController::spreadPlaysItsOwnMusic()
{
    associate("Celtic Cross \"a.mid\"\r\nCross \"sub\\d.mid\"\r\n");
    makeController(PlayMode::Random, music("B.mid"));
    m_preferences->setPlayMusic(true);
    m_controller->spreadStarted(QStringLiteral("Cross"));
    QCOMPARE(m_player->plays, QStringList{music("sub/d.mid")});
    QVERIFY(m_controller->spreadMusicActive());
    QVERIFY(m_controller->musicStarted());
    // The same music for the next spread keeps playing.
    m_controller->spreadStarted(QStringLiteral("cross"));
    QCOMPARE(m_player->plays.size(), 1);
    // At its end the spread's music starts again.
    m_player->finishCurrent();
    QCOMPARE(m_player->plays, QStringList(2, music("sub/d.mid")));
    m_controller->readingOpened(QStringLiteral("Celtic Cross"));
    QCOMPARE(m_player->plays.last(), music("a.mid"));
    // The selected file stays what the user chose.
    QCOMPARE(m_preferences->lastMusicFile(), music("B.mid"));

    // Ignored associations leave the folder music to play.
    m_preferences->setIgnoreSpreadMusic(true);
    m_controller->spreadStarted(QStringLiteral("Cross"));
    QCOMPARE(m_player->plays.last(), music("a.mid"));
    QCOMPARE(m_player->plays.size(), 4);
}

void TestMusicController::spreadWithoutUsableMusicFallsBack()
{
    associate("Gone \"missing.mid\"\r\n");
    makeController(PlayMode::SelectedFile, music("B.mid"));
    m_preferences->setPlayMusic(true);
    m_controller->spreadStarted(QStringLiteral("Gone"));
    QCOMPARE(m_player->plays, QStringList{music("B.mid")});
    QVERIFY(!m_controller->spreadMusicActive());
    // Music switched off: a spread starts nothing.
    m_controller->togglePlayMusic(false, QString());
    m_controller->spreadStarted(QStringLiteral("Other"));
    QCOMPARE(m_player->plays.size(), 1);
}

void TestMusicController::associationFileIsFoundInAnyLetterCase()
{
    const QString appDir = m_dir->path();
    QCOMPARE(DataRoots(appDir).associationFile(), appDir + QStringLiteral("/Associat.txt"));
    QVERIFY(writeFile(appDir + QStringLiteral("/ASSOCIAT.TXT"), "Cross \"a.mid\"\r\n"));
    QCOMPARE(DataRoots(appDir).associationFile(), appDir + QStringLiteral("/ASSOCIAT.TXT"));
    QCOMPARE(DataRoots(appDir).associationWritePath(), appDir + QStringLiteral("/ASSOCIAT.TXT"));
    makeController(PlayMode::SelectedFile, music("B.mid"));
    m_preferences->setPlayMusic(true);
    m_controller->spreadStarted(QStringLiteral("Cross"));
    QCOMPARE(m_player->plays, QStringList{music("a.mid")});
}

void TestMusicController::failedWriteKeepsTheOldFile()
{
    TinyDisk disk;
    QUILLMOOR_REQUIRE_TINY_DISK(disk);
    const QString path = disk.filePath(QStringLiteral("Associat.txt"));
    QVERIFY(writeFile(path, "Cross \"a.mid\"\r\n"));
    QVERIFY(disk.fill());
    const QString longName = QString(4000, QLatin1Char('x')) + QStringLiteral(".mid");
    QString error;
    QVERIFY(!SpreadMusic::write(path, {{QStringLiteral("Cross"), longName}}, &error));
    QVERIFY(!error.isEmpty());
    QByteArray kept;
    QVERIFY(WholeFile::read(path, kept));
    QCOMPARE(kept, QByteArray("Cross \"a.mid\"\r\n"));
}

void TestMusicController::settingsOkRules()
{
    makeController(PlayMode::Random, music("a.mid"));
    m_controller->togglePlayMusic(false, QString());
    QCOMPARE(m_player->plays.size(), 1);
    // The dialog offers what the preferences hold now.
    MusicSettingsChoice unchanged;
    unchanged.playMode = m_preferences->playMode();
    unchanged.resetMusic = m_preferences->resetMusic();
    unchanged.ignoreSpreadMusic = m_preferences->ignoreSpreadMusic();
    unchanged.folder = m_preferences->musicDir();
    unchanged.selectedFile = m_preferences->lastMusicFile();
    unchanged.volume = 40;
    m_controller->applySettings(unchanged);
    QCOMPARE(m_player->plays.size(), 1);
    QCOMPARE(m_player->volume, 40);
    QCOMPARE(m_preferences->musicVolume(), 40);

    // Only the folder changes, no file selected: a piece of the new folder starts.
    MusicSettingsChoice newFolder = unchanged;
    newFolder.folder = m_music + QStringLiteral("/sub");
    newFolder.selectedFile.clear();
    m_controller->applySettings(newFolder);
    QCOMPARE(m_player->plays.last(), music("sub/d.mid"));

    // Another file picked while a spread's own music plays: kept for later.
    associate("Cross \"B.mid\"\r\n");
    m_controller->spreadStarted(QStringLiteral("Cross"));
    QCOMPARE(m_player->plays.last(), music("B.mid"));
    const int played = int(m_player->plays.size());
    MusicSettingsChoice otherFile = newFolder;
    otherFile.selectedFile = music("sub/d.mid");
    m_controller->applySettings(otherFile);
    QCOMPARE(m_player->plays.size(), played);
    QCOMPARE(m_preferences->lastMusicFile(), music("sub/d.mid"));
}

QTEST_GUILESS_MAIN(TestMusicController)
#include "test_MusicController.moc"
