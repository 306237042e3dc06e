// Checks the bundled music as the build writes it: each piece is a valid
// Standard MIDI File that lasts two to four minutes, and the score tool
// keeps lengths right and refuses a score with a faulty bar.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <optional>
#include <set>

namespace {

// What a reading of a MIDI file finds; independent of the tool's writer.
struct MidiSummary
{
    int format = -1;
    int tracks = 0;
    double seconds = 0;
    int notes = 0;
    std::set<int> programs;
    int firstTempo = 0;
    int lastTempo = 0;
    // Velocities of the notes, by the name of their track.
    std::map<QString, std::set<int>> velocities;
    // Notes that start off the grid of sixteenth notes and triplet eighths.
    int offGrid = 0;
    std::set<int> expression;
};

class MidiReader
{
public:
    explicit MidiReader(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {}

    // The file's summary, or nothing with `fault` saying what is wrong.
    std::optional<MidiSummary> read(QString &fault)
    {
        MidiSummary summary;
        if (m_bytes.left(4) != "MThd" || number(4, 4) != 6)
            return failure(fault, QStringLiteral("no MThd header of 6 bytes"));
        summary.format = int(number(8, 2));
        const int declaredTracks = int(number(10, 2));
        const int division = int(number(12, 2));
        if (division <= 0 || division >= 0x8000)
            return failure(fault, QStringLiteral("division is not in ticks per quarter"));
        std::map<qint64, int> tempos{{0, 500000}};
        qint64 lastTick = 0;
        qsizetype at = 14;
        while (at < m_bytes.size()) {
            if (m_bytes.mid(at, 4) != "MTrk" || at + 8 > m_bytes.size())
                return failure(fault, QStringLiteral("a chunk that is not MTrk"));
            const qsizetype end = at + 8 + qsizetype(number(at + 4, 4));
            if (end > m_bytes.size())
                return failure(fault, QStringLiteral("a track runs past the file's end"));
            qsizetype p = at + 8;
            qint64 tick = 0;
            int status = 0;
            bool ended = false;
            QString trackName;
            while (p < end && !ended) {
                tick += variableLength(p);
                int byte = quint8(m_bytes.at(p));
                if (byte >= 0x80) {
                    status = byte;
                    ++p;
                } else if (status == 0) {
                    return failure(fault, QStringLiteral("running status without a status"));
                }
                if (status == 0xff) {
                    const int type = quint8(m_bytes.at(p++));
                    const qint64 length = variableLength(p);
                    if (type == 0x51 && length == 3) {
                        tempos[tick] = int(number(p, 3));
                        if (summary.firstTempo == 0)
                            summary.firstTempo = int(number(p, 3));
                        summary.lastTempo = int(number(p, 3));
                    }
                    if (type == 0x03)
                        trackName = QString::fromUtf8(m_bytes.mid(p, length));
                    ended = type == 0x2f;
                    p += length;
                    status = 0;
                } else if ((status & 0xf0) == 0xc0 || (status & 0xf0) == 0xd0) {
                    if ((status & 0xf0) == 0xc0)
                        summary.programs.insert(quint8(m_bytes.at(p)) + 1);
                    p += 1;
                } else if (status >= 0x80 && status < 0xf0) {
                    const int first = quint8(m_bytes.at(p));
                    const int second = quint8(m_bytes.at(p + 1));
                    if ((status & 0xf0) == 0x90 && second > 0) {
                        ++summary.notes;
                        summary.velocities[trackName].insert(second);
                        if (tick % (division / 4) != 0 && tick % (division / 3) != 0)
                            ++summary.offGrid;
                    }
                    if ((status & 0xf0) == 0xb0 && first == 11)
                        summary.expression.insert(second);
                    p += 2;
                } else {
                    return failure(fault, QStringLiteral("an event the pieces never use"));
                }
            }
            if (!ended || p != end)
                return failure(fault, QStringLiteral("a track without its end at the chunk's end"));
            lastTick = std::max(lastTick, tick);
            ++summary.tracks;
            at = end;
        }
        if (summary.tracks != declaredTracks)
            return failure(fault, QStringLiteral("the header counts %1 tracks, the file has %2")
                                      .arg(declaredTracks)
                                      .arg(summary.tracks));
        // Seconds from the ticks, each stretch at the tempo in force.
        for (auto it = tempos.begin(); it != tempos.end(); ++it) {
            const auto next = std::next(it);
            const qint64 until = next == tempos.end() ? lastTick : std::min(next->first, lastTick);
            if (until > it->first)
                summary.seconds += double(until - it->first) * it->second / division / 1e6;
        }
        return summary;
    }

private:
    quint32 number(qsizetype at, int size) const
    {
        quint32 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | quint8(m_bytes.at(at + i));
        return value;
    }
    qint64 variableLength(qsizetype &p) const
    {
        qint64 value = 0;
        for (int i = 0; i < 4; ++i) {
            const quint8 byte = quint8(m_bytes.at(p++));
            value = (value << 7) | (byte & 0x7f);
            if (byte < 0x80)
                break;
        }
        return value;
    }
    static std::optional<MidiSummary> failure(QString &fault, const QString &why)
    {
        fault = why;
        return std::nullopt;
    }

    QByteArray m_bytes;
};

std::optional<MidiSummary> summarise(const QString &path, QString &fault)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fault = file.errorString();
        return std::nullopt;
    }
    return MidiReader(file.readAll()).read(fault);
}

} // namespace

class TestMusicGen : public QObject
{
    Q_OBJECT

private slots:
    void bundledPiecesAreValidAndTwoToFourMinutes();
    void bundledPiecesArePlayedWithLife_data();
    void bundledPiecesArePlayedWithLife();
    void toolWritesWhatTheScoreSays();
    void toolRefusesFaultyScores_data();
    void toolRefusesFaultyScores();

private:
    // Runs the tool on `score`; its exit code, with its error output in `errors`.
    int runTool(const QByteArray &score, const QString &output, QString &errors);
    QTemporaryDir m_dir;
};

void TestMusicGen::bundledPiecesAreValidAndTwoToFourMinutes()
{
    const QDir music(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Music"));
    const QStringList pieces = music.entryList({QStringLiteral("*.mid")}, QDir::Files);
    QVERIFY2(pieces.size() >= 8, qPrintable(pieces.join(QLatin1Char(' '))));
    QVERIFY(pieces.contains(QStringLiteral("Stormsinafrica.mid")));
    std::set<int> tempos;
    std::set<int> programs;
    for (const QString &name : pieces) {
        QString fault;
        const std::optional<MidiSummary> piece = summarise(music.filePath(name), fault);
        QVERIFY2(piece, qPrintable(name + QStringLiteral(": ") + fault));
        QCOMPARE(piece->format, 1);
        QVERIFY2(piece->seconds >= 120 && piece->seconds <= 240,
                 qPrintable(QStringLiteral("%1 lasts %2 s").arg(name).arg(piece->seconds)));
        QVERIFY2(piece->notes > 100, qPrintable(name));
        QVERIFY2(piece->programs.size() >= 3, qPrintable(name));
        tempos.insert(piece->firstTempo);
        programs.insert(piece->programs.begin(), piece->programs.end());
    }
    // The pieces differ from each other in pace and sound.
    QVERIFY(tempos.size() >= 4);
    QVERIFY(programs.size() >= 12);
}

void TestMusicGen::bundledPiecesArePlayedWithLife_data()
{
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QStringList>("melody");
    const auto row = [](const char *piece, QStringList melody) {
        QTest::newRow(piece) << QString::fromUtf8(piece) << melody;
    };
    row("Copper Road", {"fiddle", "accordion"});
    row("Evening Lantern", {"cello"});
    row("Glass Rain", {"musicbox"});
    row("Lowland Dawn", {"horn", "oboe"});
    row("Moth Lullaby", {"clarinet"});
    row("Slow Harbour", {"vibes"});
    row("Stormsinafrica", {"flute"});
    row("Willow Waltz", {"flute"});
}

void TestMusicGen::bundledPiecesArePlayedWithLife()
{
    // Read from the file as written: the tune's loudness follows the phrase,
    // notes leave the grid, the expression swells and the close slows down.
    QFETCH(QString, piece);
    QFETCH(QStringList, melody);
    QString fault;
    const std::optional<MidiSummary> midi =
        summarise(QStringLiteral(QUILLMOOR_BUNDLED_DATA_DIR "/Music/%1.mid").arg(piece), fault);
    QVERIFY2(midi, qPrintable(fault));
    for (const QString &voice : std::as_const(melody)) {
        const auto velocities = midi->velocities.find(voice);
        QVERIFY2(velocities != midi->velocities.end(), qPrintable(voice));
        QVERIFY2(velocities->second.size() >= 6, qPrintable(voice));
    }
    QVERIFY2(midi->offGrid * 10 > midi->notes, qPrintable(QString::number(midi->offGrid)));
    QVERIFY(midi->expression.size() >= 5);
    // A longer quarter note is a slower tempo.
    QVERIFY(midi->lastTempo * 4 > midi->firstTempo * 5);

    // Counted by the tool on the notes as written: most bars are not repeats.
    const QString score = QFINDTESTDATA(QStringLiteral("../data/music/%1.score").arg(piece));
    QProcess tool;
    tool.start(QStringLiteral(MUSICGEN_PATH), {QStringLiteral("--figures"), score});
    QVERIFY(tool.waitForFinished(30000));
    const QString figures = QString::fromUtf8(tool.readAllStandardOutput());
    const QRegularExpressionMatch distinct =
        QRegularExpression(QStringLiteral("(\\d+) bars\\t(\\d+) distinct")).match(figures);
    QVERIFY2(distinct.hasMatch(), qPrintable(figures));
    QVERIFY2(distinct.captured(2).toInt() * 10 >= distinct.captured(1).toInt() * 6,
             qPrintable(figures));
}

int TestMusicGen::runTool(const QByteArray &score, const QString &output, QString &errors)
{
    const QString source = m_dir.filePath(QStringLiteral("piece.score"));
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly) || file.write(score) != score.size())
        return -1;
    file.close();
    QProcess tool;
    tool.start(QStringLiteral(MUSICGEN_PATH), {source, output});
    if (!tool.waitForFinished(30000))
        return -1;
    errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return tool.exitCode();
}

void TestMusicGen::toolWritesWhatTheScoreSays()
{
    // Two bars at 60 quarters a minute, played twice, the second time a
    // fifth higher: 16 s, and the tool adds 2 quarters of quiet (2 s).
    const QByteArray score = "title Test # a comment\n"
                             "tempo 60\n"
                             "voice a program 12 channel 1\n"
                             "voice b program 33 channel 2\n"
                             "figure up 0 1 2 1 /4\n"
                             "section S\n"
                             "  a: c4/4 f#4 (e4/8 g4)*2 | ~up [c4 e4 g4]/1 |\n"
                             "  b: c2/1*2 |\n"
                             "end\n"
                             "form S S+7\n";
    const QString output = m_dir.filePath(QStringLiteral("piece.mid"));
    QString errors;
    QCOMPARE(runTool(score, output, errors), 0);
    QString fault;
    const std::optional<MidiSummary> piece = summarise(output, fault);
    QVERIFY2(piece, qPrintable(fault));
    QCOMPARE(piece->tracks, 3);
    QCOMPARE(piece->seconds, 18.0);
    // The chord goes through its figure: four quarter notes.
    QCOMPARE(piece->notes, 2 * (6 + 4 + 1));
    QCOMPARE(piece->programs, std::set<int>({12, 33}));
}

void TestMusicGen::toolRefusesFaultyScores_data()
{
    QTest::addColumn<QByteArray>("score");
    QTest::addColumn<QString>("complaint");
    const QByteArray head = "tempo 60\nvoice a program 1 channel 1\n";
    QTest::newRow("short bar") << head + "section S\n a: c4/4 d4 e4 |\nend\nform S\n"
                               << QStringLiteral("line 4: a bar of voice a lasts 1440 ticks");
    QTest::newRow("no pitch") << head + "section S\n a: h4/1\nend\nform S\n"
                              << QStringLiteral("line 4: \"h4\" is not a pitch");
    QTest::newRow("unknown section") << head + "section S\n a: c4/1\nend\nform T\n"
                                     << QStringLiteral("line 6: the form names section T");
    QTest::newRow("shared channel") << head + "voice b program 2 channel 1\n"
                                    << QStringLiteral("line 3: voices a and b share channel 1");
    QTest::newRow("open chord") << head + "section S\n a: [c4 e4/1\nend\nform S\n"
                                << QStringLiteral("line 4:");
    QTest::newRow("unknown figure") << head + "section S\n a: ~roll [c4 e4]/1\nend\nform S\n"
                                    << QStringLiteral("line 4: no figure roll");
    QTest::newRow("no form") << head << QStringLiteral("the score has no form");
}

void TestMusicGen::toolRefusesFaultyScores()
{
    QFETCH(QByteArray, score);
    QFETCH(QString, complaint);
    const QString output = m_dir.filePath(QStringLiteral("faulty.mid"));
    QString errors;
    QCOMPARE(runTool(score, output, errors), 1);
    QVERIFY2(errors.contains(complaint), qPrintable(errors));
    QVERIFY(!QFile::exists(output));
}

QTEST_GUILESS_MAIN(TestMusicGen)
#include "test_MusicGen.moc"
