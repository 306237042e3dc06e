#include "Score.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int TicksPerWhole = Score::TicksPerQuarter * 4;

struct Fault
{
    QString message;
};

int number(const QString &word, int low, int high, const QString &what)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < low || value > high)
        throw Fault{QStringLiteral("%1 must be a number from %2 to %3, not \"%4\"")
                        .arg(what)
                        .arg(low)
                        .arg(high)
                        .arg(word)};
    return value;
}

// "c4" is middle C (60); "f#3", "bb2" carry a sharp or a flat.
int pitchOf(const QString &word)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-g])([#b]?)(\\d)$"));
    const QRegularExpressionMatch match = pattern.match(word);
    if (!match.hasMatch())
        throw Fault{QStringLiteral("\"%1\" is not a pitch").arg(word)};
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7};
    int pitch = steps[match.captured(1).at(0).unicode() - 'a'];
    if (match.captured(2) == QLatin1String("#"))
        ++pitch;
    else if (match.captured(2) == QLatin1String("b"))
        --pitch;
    return pitch + 12 * (match.captured(3).toInt() + 1);
}

// "/4" a quarter, "/4." a dotted quarter, "/1*3" three whole notes, "/12" an
// eighth-note triplet; empty keeps `current`.
qint64 lengthOf(const QString &suffix, qint64 current)
{
    if (suffix.isEmpty())
        return current;
    static const QRegularExpression pattern(QStringLiteral("^/(\\d+)(\\.?)(?:\\*(\\d+))?$"));
    const QRegularExpressionMatch match = pattern.match(suffix);
    const int divisor = match.hasMatch() ? match.captured(1).toInt() : 0;
    if (divisor <= 0 || TicksPerWhole % divisor != 0)
        throw Fault{QStringLiteral("\"%1\" is not a note length").arg(suffix)};
    qint64 length = TicksPerWhole / divisor;
    if (!match.captured(2).isEmpty())
        length += length / 2;
    if (!match.captured(3).isEmpty())
        length *= number(match.captured(3), 1, 64, QStringLiteral("A length's multiplier"));
    return length;
}

// Writes "( ... )*n" out n times, innermost groups first.
QString expandRepeats(QString text)
{
    static const QRegularExpression group(QStringLiteral("\\(([^()]*)\\)\\*(\\d+)"));
    for (;;) {
        const QRegularExpressionMatch match = group.match(text);
        if (!match.hasMatch())
            break;
        const int times = number(match.captured(2), 1, 64, QStringLiteral("A repeat count"));
        QStringList copies;
        for (int i = 0; i < times; ++i)
            copies << match.captured(1);
        text.replace(match.capturedStart(), match.capturedLength(),
                     QLatin1Char(' ') + copies.join(QLatin1Char(' ')) + QLatin1Char(' '));
    }
    if (text.contains(QLatin1Char('(')) || text.contains(QLatin1Char(')')))
        throw Fault{QStringLiteral("a group must be written \"( ... )*n\"")};
    return text;
}

// Where a voice has got to in the section being read.
struct VoiceCursor
{
    qint64 position = 0;
    qint64 lastBar = 0;
    qint64 length = Score::TicksPerQuarter;
    int velocity = 80;
    // The figure chords are played through; empty for plain chords.
    QString figure;
};

class Reader
{
public:
    explicit Reader(Score::Piece &piece)
        : m_piece(piece)
    {}

    void line(const QString &raw)
    {
        static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
        const QString text = QString(raw).remove(comment).trimmed();
        if (text.isEmpty())
            return;
        if (m_section) {
            if (text == QLatin1String("end")) {
                finishSection();
                return;
            }
            voiceLine(text);
            return;
        }
        const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString &keyword = words.first();
        if (keyword == QLatin1String("title")) {
            m_piece.title = text.mid(keyword.size()).trimmed();
        } else if (keyword == QLatin1String("tempo") && words.size() == 2) {
            m_piece.tempo = number(words.at(1), 20, 300, QStringLiteral("The tempo"));
        } else if (keyword == QLatin1String("meter") && words.size() == 2) {
            meter(words.at(1));
        } else if (keyword == QLatin1String("voice")) {
            voice(words);
        } else if (keyword == QLatin1String("figure") && words.size() >= 4) {
            figure(words);
        } else if (keyword == QLatin1String("ritardando") && words.size() == 3) {
            m_piece.ritardandoBars =
                number(words.at(1), 1, 32, QStringLiteral("A ritardando's bars"));
            m_piece.ritardandoPercent =
                number(words.at(2), 20, 100, QStringLiteral("A ritardando's end tempo"));
        } else if (keyword == QLatin1String("gain") && words.size() == 2) {
            bool ok = false;
            m_piece.gain = words.at(1).toDouble(&ok);
            if (!ok || m_piece.gain < -30 || m_piece.gain > 30)
                throw Fault{QStringLiteral("a gain is a number of decibels from -30 to 30")};
        } else if (keyword == QLatin1String("section") && words.size() == 2) {
            if (m_piece.sections.contains(words.at(1)))
                throw Fault{QStringLiteral("section %1 is written twice").arg(words.at(1))};
            m_sectionName = words.at(1);
            m_section = Score::Section();
            m_cursors.clear();
        } else if (keyword == QLatin1String("form")) {
            for (int i = 1; i < words.size(); ++i)
                m_piece.form << part(words.at(i));
        } else {
            throw Fault{QStringLiteral("\"%1\" is not a score line").arg(text)};
        }
    }

    void finish()
    {
        if (m_section)
            throw Fault{QStringLiteral("section %1 has no \"end\"").arg(m_sectionName)};
        if (m_piece.form.isEmpty())
            throw Fault{QStringLiteral("the score has no form")};
    }

private:
    void meter(const QString &word)
    {
        const QStringList parts = word.split(QLatin1Char('/'));
        if (parts.size() != 2)
            throw Fault{QStringLiteral("a meter is written like 3/4")};
        m_piece.meterNumerator = number(parts.at(0), 1, 16, QStringLiteral("The meter's beats"));
        m_piece.meterDenominator = number(parts.at(1), 1, 16, QStringLiteral("The meter's unit"));
        if (TicksPerWhole % m_piece.meterDenominator != 0)
            throw Fault{QStringLiteral("the meter's unit must divide a whole note")};
    }

    void voice(const QStringList &words)
    {
        if (words.size() < 2 || words.size() % 2 != 0)
            throw Fault{QStringLiteral("a voice is written \"voice name setting value ...\"")};
        Score::Voice voice;
        voice.name = words.at(1);
        for (int i = 2; i < words.size(); i += 2) {
            const QString &setting = words.at(i);
            const QString &value = words.at(i + 1);
            if (setting == QLatin1String("program"))
                voice.program = number(value, 1, 128, QStringLiteral("A program"));
            else if (setting == QLatin1String("channel"))
                voice.channel = number(value, 1, 16, QStringLiteral("A channel"));
            else if (setting == QLatin1String("volume"))
                voice.volume = number(value, 0, 127, QStringLiteral("A volume"));
            else if (setting == QLatin1String("pan"))
                voice.pan = number(value, 0, 127, QStringLiteral("A pan"));
            else if (setting == QLatin1String("reverb"))
                voice.reverb = number(value, 0, 127, QStringLiteral("A reverb"));
            else if (setting == QLatin1String("legato"))
                voice.legato = number(value, 10, 100, QStringLiteral("A legato"));
            else if (setting == QLatin1String("shape"))
                voice.shape = number(value, 0, 40, QStringLiteral("A shape"));
            else if (setting == QLatin1String("loose"))
                voice.loose = number(value, 0, 60, QStringLiteral("A looseness"));
            else
                throw Fault{QStringLiteral("a voice has no setting \"%1\"").arg(setting)};
        }
        if (findVoice(voice.name))
            throw Fault{QStringLiteral("voice %1 is declared twice").arg(voice.name)};
        for (const Score::Voice &other : std::as_const(m_piece.voices)) {
            if (other.channel == voice.channel)
                throw Fault{QStringLiteral("voices %1 and %2 share channel %3")
                                .arg(other.name, voice.name)
                                .arg(voice.channel)};
        }
        m_piece.voices << voice;
    }

    // "figure name [hold] 0 2 1 2 - + /8"
    void figure(const QStringList &words)
    {
        Score::Figure figure;
        int i = 2;
        if (words.at(i) == QLatin1String("hold")) {
            figure.hold = true;
            ++i;
        }
        for (; i < words.size() - 1; ++i) {
            const QString &step = words.at(i);
            if (step == QLatin1String("-"))
                figure.steps << Score::Figure::Rest;
            else if (step == QLatin1String("+"))
                figure.steps << Score::Figure::Upper;
            else
                figure.steps << number(step, 0, 15, QStringLiteral("A figure's step"));
        }
        if (figure.steps.isEmpty())
            throw Fault{QStringLiteral("a figure needs steps")};
        figure.stepLength = lengthOf(words.last(), 0);
        if (figure.stepLength == 0)
            throw Fault{QStringLiteral("a figure ends with its step length, as in /8")};
        m_piece.figures.insert(words.at(1), figure);
    }

    const Score::Voice *findVoice(const QString &name) const
    {
        for (const Score::Voice &voice : m_piece.voices) {
            if (voice.name == name)
                return &voice;
        }
        return nullptr;
    }

    qint64 barLength() const
    {
        return qint64(TicksPerWhole) / m_piece.meterDenominator * m_piece.meterNumerator;
    }

    void voiceLine(const QString &text)
    {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        const QString name = text.left(colon).trimmed();
        if (name == QLatin1String("swell")) {
            for (const QString &word :
                 text.mid(colon + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                m_section->swell << number(word, 0, 127, QStringLiteral("An expression"));
            if (m_section->swell.size() < 2)
                throw Fault{QStringLiteral("a swell needs at least two levels")};
            return;
        }
        if (colon < 0 || !findVoice(name))
            throw Fault{QStringLiteral("\"%1\" names no declared voice").arg(text.left(colon))};
        QString notes = expandRepeats(text.mid(colon + 1));
        for (const char mark : {'[', '|'})
            notes.replace(QLatin1Char(mark), QStringLiteral(" %1 ").arg(QLatin1Char(mark)));
        notes.replace(QLatin1Char(']'), QStringLiteral(" ]"));

        VoiceCursor &cursor = m_cursors[name];
        QList<Score::Note> &out = m_section->notes[name];
        QList<int> chord;
        bool inChord = false;
        for (const QString &word : notes.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (word == QLatin1String("|")) {
                // Notes held over several bars need only one bar line.
                const qint64 span = cursor.position - cursor.lastBar;
                if (span == 0 || span % barLength() != 0)
                    throw Fault{QStringLiteral("a bar of voice %1 lasts %2 ticks, not %3")
                                    .arg(name)
                                    .arg(cursor.position - cursor.lastBar)
                                    .arg(barLength())};
                cursor.lastBar = cursor.position;
            } else if (word == QLatin1String("[")) {
                if (inChord)
                    throw Fault{QStringLiteral("a chord inside a chord")};
                inChord = true;
                chord.clear();
            } else if (word.startsWith(QLatin1Char(']'))) {
                if (!inChord || chord.isEmpty())
                    throw Fault{QStringLiteral("a chord must hold notes between [ and ]")};
                inChord = false;
                cursor.length = lengthOf(word.mid(1), cursor.length);
                if (cursor.figure.isEmpty()) {
                    for (const int pitch : chord)
                        out << Score::Note{cursor.position, cursor.length, pitch, cursor.velocity};
                } else {
                    std::sort(chord.begin(), chord.end());
                    m_section->chords[name] << Score::FiguredChord{
                        cursor.position, cursor.length, chord, cursor.velocity, cursor.figure};
                }
                cursor.position += cursor.length;
            } else if (inChord) {
                chord << pitchOf(word);
            } else if (word.startsWith(QLatin1Char('~'))) {
                cursor.figure = word.mid(1);
                if (!cursor.figure.isEmpty() && !m_piece.figures.contains(cursor.figure))
                    throw Fault{QStringLiteral("no figure %1 is written above").arg(cursor.figure)};
            } else if (word.size() > 1 && word.at(0) == QLatin1Char('v') && word.at(1).isDigit()) {
                cursor.velocity = number(word.mid(1), 1, 127, QStringLiteral("A velocity"));
            } else {
                const qsizetype slash = word.indexOf(QLatin1Char('/'));
                const QString head = slash < 0 ? word : word.left(slash);
                cursor.length = lengthOf(slash < 0 ? QString() : word.mid(slash), cursor.length);
                if (head != QLatin1String("r"))
                    out << Score::Note{cursor.position, cursor.length, pitchOf(head),
                                       cursor.velocity};
                cursor.position += cursor.length;
            }
        }
        if (inChord)
            throw Fault{QStringLiteral("a chord is not closed with ]")};
    }

    void finishSection()
    {
        for (const VoiceCursor &cursor : std::as_const(m_cursors))
            m_section->length = std::max(m_section->length, cursor.position);
        if (m_section->length == 0)
            throw Fault{QStringLiteral("section %1 is empty").arg(m_sectionName)};
        m_piece.sections.insert(m_sectionName, *m_section);
        m_section.reset();
    }

    // "A", "A*2", "B+5", "A-12", "A[pad,bass]", "A~waltz", "C%70" and their
    // combinations, in that order.
    Score::Part part(const QString &word) const
    {
        static const QRegularExpression pattern(QStringLiteral(
            "^(\\w+)(?:\\[([\\w,]+)\\])?([+-]\\d+)?(?:~(\\w+))?(?:%(\\d+))?(?:\\*(\\d+))?$"));
        const QRegularExpressionMatch match = pattern.match(word);
        if (!match.hasMatch())
            throw Fault{QStringLiteral("\"%1\" is not a part of the form").arg(word)};
        Score::Part part;
        part.section = match.captured(1);
        if (!m_piece.sections.contains(part.section))
            throw Fault{QStringLiteral("the form names section %1, which is not written above")
                            .arg(part.section)};
        if (!match.captured(2).isEmpty()) {
            part.voices = match.captured(2).split(QLatin1Char(','));
            for (const QString &voice : std::as_const(part.voices)) {
                if (!findVoice(voice))
                    throw Fault{QStringLiteral("the form names no voice %1").arg(voice)};
            }
        }
        if (!match.captured(3).isEmpty())
            part.transpose = number(match.captured(3), -24, 24, QStringLiteral("A transposition"));
        part.figure = match.captured(4);
        if (!part.figure.isEmpty() && !m_piece.figures.contains(part.figure))
            throw Fault{QStringLiteral("the form names no figure %1").arg(part.figure)};
        if (!match.captured(5).isEmpty())
            part.velocityPercent = number(match.captured(5), 10, 150, QStringLiteral("A loudness"));
        if (!match.captured(6).isEmpty())
            part.repeats = number(match.captured(6), 1, 64, QStringLiteral("A repeat count"));
        return part;
    }

    Score::Piece &m_piece;
    std::optional<Score::Section> m_section;
    QString m_sectionName;
    QMap<QString, VoiceCursor> m_cursors;
};

} // namespace

bool Score::parse(const QString &text, Piece &piece, QString &error)
{
    Reader reader(piece);
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n")));
    int lineNumber = 0;
    try {
        for (const QString &line : lines) {
            ++lineNumber;
            reader.line(line);
        }
        reader.finish();
    } catch (const Fault &fault) {
        error = QStringLiteral("line %1: %2").arg(lineNumber).arg(fault.message);
        return false;
    }
    return true;
}

namespace {

// The notes a figure makes of a chord: its steps one after the other, over
// and over, until the chord's length is filled.
QList<Score::Note> playFigure(const Score::FiguredChord &chord, const Score::Figure &figure)
{
    QList<Score::Note> notes;
    const auto size = int(chord.pitches.size());
    const qint64 end = chord.start + chord.length;
    int step = 0;
    for (qint64 at = chord.start; at < end; at += figure.stepLength, ++step) {
        const int index = figure.steps.at(step % figure.steps.size());
        const qint64 length = figure.hold ? end - at : std::min(figure.stepLength, end - at);
        if (index == Score::Figure::Upper) {
            for (int i = 1; i < size; ++i)
                notes << Score::Note{at, length, chord.pitches.at(i), chord.velocity};
        } else if (index != Score::Figure::Rest) {
            const int pitch = chord.pitches.at(index % size) + 12 * (index / size);
            notes << Score::Note{at, length, pitch, chord.velocity};
        }
    }
    return notes;
}

constexpr double Pi = 3.14159265358979323846;

// A small, fixed scatter for note `index` of voice `voice`: -1 to 1.
double scatter(int voice, int index)
{
    quint32 x = quint32(voice) * 2654435761u ^ quint32(index) * 40503u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return double(x % 2001) / 1000.0 - 1.0;
}

// Louder on strong beats, softer off the beat, and rising to the middle of
// each four-bar phrase and falling from it.
int shapedVelocity(const Score::Note &note, int shape, qint64 barLength, qint64 beatLength)
{
    if (shape == 0)
        return note.velocity;
    const qint64 inBar = note.start % barLength;
    double accent = -shape / 3.0;
    if (inBar == 0)
        accent = shape / 2.0;
    else if (inBar % beatLength == 0)
        accent = inBar * 2 == barLength ? shape / 4.0 : 0;
    const qint64 phrase = barLength * 4;
    const double arch = shape * (std::sin(Pi * double(note.start % phrase) / double(phrase)) - 0.5);
    return std::clamp(int(std::lround(note.velocity + accent + arch)), 1, 127);
}

} // namespace

Score::Performance Score::perform(const Piece &piece, bool offsets)
{
    Performance performance;
    const qint64 beatLength = qint64(TicksPerWhole) / piece.meterDenominator;
    const qint64 barLength = beatLength * piece.meterNumerator;
    qint64 start = 0;
    int expression = -1;
    const auto setExpression = [&](qint64 tick, int value) {
        if (value != expression)
            performance.expression.append({tick, value});
        expression = value;
    };
    for (const Part &part : piece.form) {
        const Section &section = piece.sections.value(part.section);
        for (int repeat = 0; repeat < part.repeats; ++repeat) {
            for (const Voice &voice : piece.voices) {
                if (!part.voices.isEmpty() && !part.voices.contains(voice.name))
                    continue;
                QList<Note> notes = section.notes.value(voice.name);
                for (const FiguredChord &chord : section.chords.value(voice.name)) {
                    const QString name = part.figure.isEmpty() ? chord.figure : part.figure;
                    notes += playFigure(chord, piece.figures.value(name));
                }
                for (Note note : std::as_const(notes)) {
                    note.start += start;
                    note.pitch = std::clamp(note.pitch + part.transpose, 0, 127);
                    note.velocity = std::clamp(note.velocity * part.velocityPercent / 100, 1, 127);
                    performance.notes[voice.name] << note;
                }
            }
            // The swell's levels lie evenly over the section, joined by
            // straight lines, changing every eighth note.
            if (section.swell.isEmpty()) {
                setExpression(start, 100);
            } else {
                const auto pieces = int(section.swell.size()) - 1;
                for (qint64 at = 0; at < section.length; at += TicksPerQuarter / 2) {
                    const double where = double(at) / double(section.length) * pieces;
                    const int from = std::min(int(where), pieces - 1);
                    const double level =
                        section.swell.at(from) +
                        (section.swell.at(from + 1) - section.swell.at(from)) * (where - from);
                    setExpression(start + at, int(std::lround(level)));
                }
            }
            start += section.length;
        }
    }
    performance.totalTicks = start;

    for (int v = 0; v < piece.voices.size(); ++v) {
        const Voice &voice = piece.voices.at(v);
        QList<Note> &notes = performance.notes[voice.name];
        std::stable_sort(notes.begin(), notes.end(),
                         [](const Note &a, const Note &b) { return a.start < b.start; });
        for (int i = 0; i < notes.size(); ++i) {
            Note &note = notes[i];
            note.velocity = shapedVelocity(note, voice.shape, barLength, beatLength);
            if (!offsets || voice.loose == 0)
                continue;
            // A hand is never exactly on time; the end stays where it was.
            const qint64 end = note.start + note.length;
            const qint64 moved = note.start + std::lround(voice.loose * scatter(v, i));
            note.start = std::clamp<qint64>(moved, 0, end - 1);
            note.length = end - note.start;
        }
    }

    performance.tempo.append({0, double(piece.tempo)});
    const qint64 slowFrom = start - piece.ritardandoBars * barLength;
    if (piece.ritardandoBars > 0 && slowFrom > 0) {
        const qint64 beats = piece.ritardandoBars * piece.meterNumerator;
        for (qint64 beat = 1; beat <= beats; ++beat) {
            const double done = double(beat) / double(beats);
            const double percent = 100 - (100 - piece.ritardandoPercent) * done;
            performance.tempo.append(
                {slowFrom + (beat - 1) * beatLength, piece.tempo * percent / 100});
        }
    }
    return performance;
}

Score::Figures Score::figures(const Piece &piece)
{
    Figures figures;
    const Performance performance = perform(piece, false);
    const qint64 barLength = qint64(TicksPerWhole) / piece.meterDenominator * piece.meterNumerator;
    figures.bars = int((performance.totalTicks + barLength - 1) / barLength);
    // A bar is what every voice plays in it: pitch, place and length.
    QList<QStringList> bars(figures.bars);
    for (auto it = performance.notes.cbegin(); it != performance.notes.cend(); ++it) {
        QSet<int> velocities;
        for (const Note &note : it.value()) {
            velocities.insert(note.velocity);
            bars[int(note.start / barLength)] << QStringLiteral("%1:%2:%3:%4")
                                                     .arg(it.key())
                                                     .arg(note.start % barLength)
                                                     .arg(note.length)
                                                     .arg(note.pitch);
        }
        figures.velocities.insert(it.key(), int(velocities.size()));
    }
    QSet<QString> distinct;
    for (QStringList &bar : bars) {
        bar.sort();
        distinct.insert(bar.join(QLatin1Char(' ')));
    }
    figures.distinctBars = int(distinct.size());
    // Seconds at the tempo in force, stretch by stretch.
    for (int i = 0; i < performance.tempo.size(); ++i) {
        const qint64 from = performance.tempo.at(i).first;
        const qint64 to = i + 1 < performance.tempo.size() ? performance.tempo.at(i + 1).first
                                                           : performance.totalTicks;
        figures.seconds +=
            double(to - from) / TicksPerQuarter * 60.0 / performance.tempo.at(i).second;
    }
    return figures;
}
