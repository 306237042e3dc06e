// Listens to the music where a user would hear it: the controller plays
// through the media backend and the synthesizer into a private PulseAudio
// daemon whose null sink is recorded at its monitor. A piece played over
// and over must sound every time, and so must the only piece of a random
// folder beside a file that cannot be played. Where no daemon can be
// started the checks skip themselves.
#include "core/app/Preferences.h"
#include "core/data/DataRoots.h"
#include "core/music/MusicController.h"
#include "core/music/PluginMusicPlayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

const char SinkName[] = "quillmoor_test";
// Levels from the monitor in windows of a tenth of a second; the piano at
// full volume sits some 25 dB above this, digital silence far below.
constexpr int SampleRate = 8000;
constexpr int WindowSamples = SampleRate / 10;
constexpr double AudibleDb = -60.0;

// Two seconds of music: four loud piano quarter notes at 120 a minute.
QByteArray shortPiece()
{
    QByteArray track("\x00\xff\x51\x03\x07\xa1\x20"
                     "\x00\xc0\x00",
                     10);
    for (const char pitch : {60, 64, 67, 72})
        track += QByteArray("\x00\x90", 2) + pitch + QByteArray("\x70\x83\x60\x80", 4) + pitch +
                 QByteArray("\x40", 1);
    track += QByteArray("\x00\xff\x2f\x00", 4);
    const auto size = quint32(track.size());
    return QByteArray("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xe0MTrk", 18) + char(size >> 24) +
           char(size >> 16) + char(size >> 8) + char(size) + track;
}

// The level at the sink's monitor, window by window, with the time each
// window arrived.
class SinkRecorder : public QObject
{
public:
    SinkRecorder(const QString &server, const QElapsedTimer &clock)
        : m_clock(clock)
    {
        m_parec.setProcessEnvironment(serverEnvironment(server));
        connect(&m_parec, &QProcess::readyReadStandardOutput, this, &SinkRecorder::readLevels);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=%1.monitor").arg(QLatin1String(SinkName)),
                       QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(SampleRate),
                       QStringLiteral("--latency-msec=20")});
    }
    ~SinkRecorder() override
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    static QProcessEnvironment serverEnvironment(const QString &server)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PULSE_SERVER"), server);
        return environment;
    }
    // The loudest window that arrived between the two times, in dBFS.
    double loudestBetween(qint64 fromMs, qint64 toMs) const
    {
        double loudest = -200;
        for (const auto &[at, level] : m_levels) {
            if (at >= fromMs && at <= toMs)
                loudest = std::max(loudest, level);
        }
        return loudest;
    }

private:
    void readLevels()
    {
        m_pending += m_parec.readAllStandardOutput();
        const qint64 now = m_clock.elapsed();
        const int windowBytes = WindowSamples * 2;
        while (m_pending.size() >= windowBytes) {
            double sum = 0;
            for (int i = 0; i < WindowSamples; ++i) {
                const auto sample =
                    qint16(quint8(m_pending.at(2 * i)) | (quint8(m_pending.at(2 * i + 1)) << 8));
                sum += double(sample) * sample;
            }
            const double rms = std::sqrt(sum / WindowSamples) / 32768.0;
            m_levels.append({now, rms > 0 ? 20 * std::log10(rms) : -200});
            m_pending.remove(0, windowBytes);
        }
    }

    const QElapsedTimer &m_clock;
    QProcess m_parec;
    QByteArray m_pending;
    QList<std::pair<qint64, double>> m_levels;
};

} // namespace

class TestMusicSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyPlaySounds_data();
    void everyPlaySounds();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_server;
};

void TestMusicSound::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (daemon.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        QSKIP("No PulseAudio daemon and recorder here (packages pulseaudio, pulseaudio-utils).");
    const QString socket = m_dir.filePath(QStringLiteral("native"));
    QFile script(m_dir.filePath(QStringLiteral("server.pa")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("load-module module-null-sink sink_name=%1\n"
                                "load-module module-native-protocol-unix socket=%2 "
                                "auth-anonymous=1\n"
                                "set-default-sink %1\n")
                     .arg(QLatin1String(SinkName), socket)
                     .toUtf8());
    script.close();
    // A daemon of this test's own, which keeps out of the user's sound
    // configuration and leaves nothing behind.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        environment.insert(QLatin1String(name), m_dir.path());
    m_daemon.setProcessEnvironment(environment);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.start(daemon,
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                    QStringLiteral("-F"), script.fileName()});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket) || m_daemon.state() == QProcess::NotRunning,
                             10000);
    if (!QFile::exists(socket))
        QSKIP(qPrintable(QStringLiteral("The PulseAudio daemon did not start: ") +
                         QString::fromLocal8Bit(m_daemon.readAll()).simplified()));
    m_server = QStringLiteral("unix:") + socket;
    // Before the media backend first looks for outputs.
    qputenv("PULSE_SERVER", m_server.toUtf8());
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

void TestMusicSound::cleanupTestCase()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(5000))
        m_daemon.kill();
}

void TestMusicSound::everyPlaySounds_data()
{
    QTest::addColumn<int>("playType");
    QTest::addColumn<QStringList>("unplayable");
    QTest::newRow("selected file, over and over") << int(PlayMode::SelectedFile) << QStringList();
    QTest::newRow("random beside an unplayable file")
        << int(PlayMode::Random) << QStringList{QStringLiteral("broken.mid")};
}

void TestMusicSound::everyPlaySounds()
{
    QFETCH(int, playType);
    QFETCH(QStringList, unplayable);
    QTemporaryDir folder;
    const QString piece = folder.filePath(QStringLiteral("piece.mid"));
    for (const QString &name : QStringList{QStringLiteral("piece.mid")} + unplayable) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name == QLatin1String("piece.mid") ? shortPiece() : "Not music at all.\n");
    }
    Preferences preferences;
    preferences.setPlayMode(PlayMode(playType));
    preferences.setMusicDir(folder.path());
    preferences.setMusicFile(piece);
    preferences.setLastMusicFile(piece);
    preferences.setMusicVolume(100);
    PluginMusicPlayer player;
    MusicController controller(DataRoots(m_dir.path()), preferences);
    controller.setPlayer(&player);

    QElapsedTimer clock;
    clock.start();
    SinkRecorder recorder(m_server, clock);
    QList<qint64> starts, ends;
    connect(&player, &MusicPlayer::started, this, [&](const QString &path) {
        QCOMPARE(path, piece);
        starts << clock.elapsed();
    });
    connect(&player, &MusicPlayer::finished, this, [&] { ends << clock.elapsed(); });
    controller.togglePlayMusic(false, QString());
    QTRY_VERIFY_WITH_TIMEOUT(ends.size() >= 3, 40000);
    controller.stop();
    for (int i = 0; i < 3; ++i) {
        const double level = recorder.loudestBetween(starts.at(i) + 250, ends.at(i) + 100);
        QVERIFY2(level > AudibleDb, qPrintable(QStringLiteral("play %1 of the piece peaked at "
                                                              "%2 dBFS at the sink")
                                                   .arg(i + 1)
                                                   .arg(level)));
        // The next play follows at once, after any unplayable file was tried.
        if (i > 0)
            QVERIFY2(starts.at(i) - ends.at(i - 1) < 12000, "the music paused too long");
    }
}

QTEST_MAIN(TestMusicSound)
#include "test_MusicSound.moc"
