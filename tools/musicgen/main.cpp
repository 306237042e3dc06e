// Turns the score sources of the bundled music into Standard MIDI Files at
// build time, and tells what is in them:
//     musicgen <piece.score> <piece.mid>
//     musicgen --figures <piece.score>...    length, bars, distinct bars and
//                                            velocities per voice, one line each
//
// A score source is plain text, one statement per line; a "#" at the start
// of a word begins a comment that runs to the end of the line (inside a
// word, as in "f#4", it is a sharp).
//
//   title Evening Field          the piece's name, kept in the file
//   tempo 72                     quarter notes per minute
//   meter 3/4                    beats per bar and their unit (default 4/4)
//   ritardando 4 70              the last 4 bars slow, beat by beat, to 70 %
//                                of the tempo, into the close
//   gain -2.5                    raises or lowers every voice's volume by
//                                that many decibels, to even out the pieces
//   voice lead program 74 channel 1 volume 90 pan 50 reverb 70 legato 90
//         shape 12 loose 8
//                                a voice: its General MIDI program (1-128)
//                                and channel (1-16, one voice each), and
//                                optionally its volume, pan and reverb
//                                (0-127), the share of a note's written
//                                length that sounds (legato, in percent),
//                                how far its velocity follows the beat and
//                                the phrase (shape: strong beats louder,
//                                off-beats softer, each four-bar phrase
//                                swelling to its middle) and how many ticks
//                                a note may come early or late (loose; 480
//                                ticks are a quarter note)
//   figure roll 0 2 1 3 2 1 /8   an accompaniment figure: the order in which
//   figure waltz 0 + + /4        a chord's tones sound, from the lowest (0);
//   figure bells hold 0 1 2 /8   an index past the top takes the tones an
//                                octave up, "+" sounds all tones above the
//                                lowest, "-" rests; the last word is the
//                                length of a step. With "hold" each tone
//                                sounds on to the chord's end (a pedal).
//   section A                    a section: lines "voice: notes" up to "end"
//     lead: e5/4 g5 a5/2 | ...
//     pad:  [c4 e4 g4]/1 | ...
//     harp: ~roll [c3 g3 c4 e4]/1 [a2 e3 a3 c4] | ...
//     swell: 90 115 100          expression (controller 11) rising and
//                                falling through these levels, spread
//                                evenly over the section (default 100)
//   end
//   form A[pad] A B+5 A~waltz%80 B*2   the order the sections are played in
//
// Notes: a pitch is a letter, an optional # or b and an octave ("c4" is
// middle C, "f#3", "bb2"); "r" is a rest; "[c4 e4 g4]" a chord. A length
// follows a slash: /1 whole, /2 half, /4 quarter, /8, /16, /12 an eighth
// triplet; a dot adds half ("/4."), "*n" multiplies ("/1*2" two whole
// notes). A note without a length takes the one before it in the line.
// "v70" sets the loudness (velocity 1-127) of the notes that follow.
// "~name" plays the chords that follow through that figure, "~" alone
// plays them as written again.
// "( ... )*n" repeats what the brackets hold n times. "|" marks a bar line:
// the tool checks that every bar is full (a note held over several bars
// needs only one bar line after it), which catches slips of length.
// Several lines for one voice in a section continue each other; a voice
// that is silent or ends early in a section rests until its end.
//
// Form: each word plays a section; "[a,b]" plays only those voices, "+n"
// or "-n" transposes by n semitones, "~name" plays every figured chord of
// the section through that figure this time, "%n" scales the loudness to n
// percent and "*n" plays it n times. Repetition with variation keeps a
// piece of a few minutes readable in a page or two.
#include "MidiWriter.h"
#include "Score.h"
#include "core/util/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "musicgen: %s\n", qPrintable(message));
    return 1;
}

bool read(const QString &path, Score::Piece &piece, QString &error)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, source.errorString());
        return false;
    }
    if (Score::parse(QString::fromUtf8(source.readAll()), piece, error))
        return true;
    error = QStringLiteral("%1: %2").arg(path, error);
    return false;
}

// One line a piece: "title  seconds  bars  distinct%  voice=velocities ...".
int printFigures(const QStringList &paths)
{
    for (const QString &path : paths) {
        Score::Piece piece;
        QString error;
        if (!read(path, piece, error))
            return fail(error);
        const Score::Figures figures = Score::figures(piece);
        QStringList velocities;
        for (auto it = figures.velocities.cbegin(); it != figures.velocities.cend(); ++it)
            velocities << QStringLiteral("%1=%2").arg(it.key()).arg(it.value());
        std::printf("%s\t%.0f s\t%d bars\t%d distinct (%.0f %%)\t%s\n", qPrintable(piece.title),
                    figures.seconds, figures.bars, figures.distinctBars,
                    100.0 * figures.distinctBars / std::max(figures.bars, 1),
                    qPrintable(velocities.join(QLatin1Char(' '))));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("--figures"))
        return printFigures(args.mid(2));
    if (args.size() != 3)
        return fail(QStringLiteral("usage: musicgen <piece.score> <piece.mid>"));

    Score::Piece piece;
    QString error;
    if (!read(args.at(1), piece, error))
        return fail(error);

    if (!WholeFile::write(args.at(2), MidiWriter::write(piece), &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(2), error));
    return 0;
}
