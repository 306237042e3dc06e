#include "Score.h"

#include <QRegularExpression>

#include <algorithm>
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
                for (const int pitch : chord)
                    out << Score::Note{cursor.position, cursor.length, pitch, cursor.velocity};
                cursor.position += cursor.length;
            } else if (inChord) {
                chord << pitchOf(word);
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

    // "A", "A*2", "B+5", "A-12", "A[pad,bass]", "C%70" and their combinations.
    Score::Part part(const QString &word) const
    {
        static const QRegularExpression pattern(
            QStringLiteral("^(\\w+)(?:\\[([\\w,]+)\\])?([+-]\\d+)?(?:%(\\d+))?(?:\\*(\\d+))?$"));
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
        if (!match.captured(4).isEmpty())
            part.velocityPercent = number(match.captured(4), 10, 150, QStringLiteral("A loudness"));
        if (!match.captured(5).isEmpty())
            part.repeats = number(match.captured(5), 1, 64, QStringLiteral("A repeat count"));
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

QMap<QString, QList<Score::Note>> Score::perform(const Piece &piece, qint64 &totalTicks)
{
    QMap<QString, QList<Note>> performed;
    qint64 start = 0;
    for (const Part &part : piece.form) {
        const Section &section = piece.sections.value(part.section);
        for (int repeat = 0; repeat < part.repeats; ++repeat) {
            for (auto it = section.notes.cbegin(); it != section.notes.cend(); ++it) {
                if (!part.voices.isEmpty() && !part.voices.contains(it.key()))
                    continue;
                for (Note note : it.value()) {
                    note.start += start;
                    note.pitch = std::clamp(note.pitch + part.transpose, 0, 127);
                    note.velocity = std::clamp(note.velocity * part.velocityPercent / 100, 1, 127);
                    performed[it.key()] << note;
                }
            }
            start += section.length;
        }
    }
    totalTicks = start;
    return performed;
}
