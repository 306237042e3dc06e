// Plays real files through the music plugin: Qt Multimedia is loaded only
// when music first plays, a short MIDI file plays to its end, and files that
// cannot be played are reported as such. Where the machine has no audio
// output the checks of playing skip themselves.
#include "LoadedLibraries.h"
#include "core/music/PluginMusicPlayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Half a second of music: one track at 120 quarters a minute with a
// vibraphone playing middle C for a quarter note.
const QByteArray ShortMidi("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0"
                           "MTrk\x00\x00\x00\x17"
                           "\x00\xff\x51\x03\x07\xa1\x20"
                           "\x00\xc0\x0b"
                           "\x00\x90\x3c\x60"
                           "\x83\x60\x80\x3c\x40"
                           "\x00\xff\x2f\x00",
                           14 + 8 + 23);

// The failure of a file that cannot be played: no audio output or backend
// at all skips the test, as nothing could be played here.
#define SKIP_ON_DEVICE_FAILURE(failed)                                                             \
    if (!(failed).isEmpty() &&                                                                     \
        (failed).first().at(1).value<MusicPlayer::Failure>() == MusicPlayer::Failure::Device)      \
        QSKIP("The media backend cannot play anything on this machine.");

} // namespace

class TestMusicPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void multimediaLoadedOnlyWhenMusicPlays();
    void missingPluginFailsEveryFile();
    void playsShortMidiFileToItsEndTwice();
    void bundledPieceStarts();
    void unplayableFilesFail();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void TestMusicPlugin::initTestCase()
{
    // As the program does: MIDI needs the GStreamer backend.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QVERIFY(m_dir.isValid());
}

void TestMusicPlugin::multimediaLoadedOnlyWhenMusicPlays()
{
    PluginMusicPlayer player;
    QSignalSpy failed(&player, &MusicPlayer::failed);
    player.setVolume(40);
    player.stop();
    QVERIFY(!libraryLoaded("libQt6Multimedia"));
    player.play(m_dir.filePath(QStringLiteral("missing.mid")));
    QTRY_COMPARE(failed.size(), 1);
    QVERIFY(libraryLoaded("libQt6Multimedia"));
}

void TestMusicPlugin::missingPluginFailsEveryFile()
{
    PluginMusicPlayer player(QStringLiteral("no-such-plugin.so"));
    QSignalSpy failed(&player, &MusicPlayer::failed);
    const QString path = writeFile(QStringLiteral("short.mid"), ShortMidi);
    // The reason is told once, however often a file is played.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Music cannot be played")));
    player.play(path);
    player.play(path);
    QTRY_COMPARE(failed.size(), 2);
    for (const QList<QVariant> &failure : failed) {
        QCOMPARE(failure.at(0).toString(), path);
        QCOMPARE(failure.at(1).value<MusicPlayer::Failure>(), MusicPlayer::Failure::Device);
    }
}

QString TestMusicPlugin::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TestMusicPlugin::playsShortMidiFileToItsEndTwice()
{
    const QString path = writeFile(QStringLiteral("short.mid"), ShortMidi);
    PluginMusicPlayer player;
    QSignalSpy started(&player, &MusicPlayer::started);
    QSignalSpy finished(&player, &MusicPlayer::finished);
    QSignalSpy failed(&player, &MusicPlayer::failed);
    player.play(path);
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() || !failed.isEmpty(), 20000);
    SKIP_ON_DEVICE_FAILURE(failed);
    QVERIFY2(failed.isEmpty(), "the MIDI file was reported unplayable: is the GStreamer "
                               "FluidSynth decoder with a sound font installed?");
    QCOMPARE(started.size(), 1);
    QCOMPARE(started.first().first().toString(), path);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toString(), path);
    // Played again, as the selected file is over and over, it starts anew.
    player.play(path);
    QTRY_VERIFY_WITH_TIMEOUT(finished.size() == 2 || !failed.isEmpty(), 20000);
    QVERIFY(failed.isEmpty());
    QCOMPARE(started.size(), 2);
}

void TestMusicPlugin::bundledPieceStarts()
{
    const QString path = QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Music/Stormsinafrica.mid");
    PluginMusicPlayer player;
    QSignalSpy started(&player, &MusicPlayer::started);
    QSignalSpy failed(&player, &MusicPlayer::failed);
    player.play(path);
    QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty() || !failed.isEmpty(), 20000);
    SKIP_ON_DEVICE_FAILURE(failed);
    QVERIFY(failed.isEmpty());
    player.stop();
}

void TestMusicPlugin::unplayableFilesFail()
{
    PluginMusicPlayer player;
    QSignalSpy started(&player, &MusicPlayer::started);
    QSignalSpy failed(&player, &MusicPlayer::failed);
    const QString missing = m_dir.filePath(QStringLiteral("missing.mid"));
    player.play(missing);
    const QString notMusic = writeFile(QStringLiteral("words.mid"), "These are words.\n");
    player.play(notMusic);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 2, 20000);
    SKIP_ON_DEVICE_FAILURE(failed);
    QCOMPARE(failed.at(0).first().toString(), missing);
    QCOMPARE(failed.at(1).first().toString(), notMusic);
    QCOMPARE(failed.at(1).at(1).value<MusicPlayer::Failure>(), MusicPlayer::Failure::File);
    QVERIFY(started.isEmpty());
}

QTEST_MAIN(TestMusicPlugin)
#include "test_MusicPlugin.moc"
