// Turns the score sources of the bundled music into Standard MIDI Files at
// build time:  musicgen <piece.score> <piece.mid>
//
// A score source is plain text, one statement per line; a "#" at the start
// of a word begins a comment that runs to the end of the line (inside a
// word, as in "f#4", it is a sharp).
//
//   title Evening Field          the piece's name, kept in the file
//   tempo 72                     quarter notes per minute
//   meter 3/4                    beats per bar and their unit (default 4/4)
//   voice lead program 74 channel 1 volume 90 pan 50 reverb 70 legato 90
//                                a voice: its General MIDI program (1-128)
//                                and channel (1-16, one voice each), and
//                                optionally its volume, pan and reverb
//                                (0-127) and the share of a note's written
//                                length that sounds (legato, in percent)
//   section A                    a section: lines "voice: notes" up to "end"
//     lead: e5/4 g5 a5/2 | ...
//     pad:  [c4 e4 g4]/1 | ...
//   end
//   form A[pad] A B+5 A%80 B*2   the order the sections are played in
//
// Notes: a pitch is a letter, an optional # or b and an octave ("c4" is
// middle C, "f#3", "bb2"); "r" is a rest; "[c4 e4 g4]" a chord. A length
// follows a slash: /1 whole, /2 half, /4 quarter, /8, /16, /12 an eighth
// triplet; a dot adds half ("/4."), "*n" multiplies ("/1*2" two whole
// notes). A note without a length takes the one before it in the line.
// "v70" sets the loudness (velocity 1-127) of the notes that follow.
// "( ... )*n" repeats what the brackets hold n times. "|" marks a bar line:
// the tool checks that every bar is full (a note held over several bars
// needs only one bar line after it), which catches slips of length.
// Several lines for one voice in a section continue each other; a voice
// that is silent or ends early in a section rests until its end.
//
// Form: each word plays a section; "[a,b]" plays only those voices, "+n"
// or "-n" transposes by n semitones, "%n" scales the loudness to n percent
// and "*n" plays it n times. Repetition with variation keeps a piece of a
// few minutes readable in a page or two.
#include "MidiWriter.h"
#include "Score.h"
#include "core/util/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "musicgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: musicgen <piece.score> <piece.mid>"));

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(args.at(1), source.errorString()));
    Score::Piece piece;
    QString error;
    if (!Score::parse(QString::fromUtf8(source.readAll()), piece, error))
        return fail(QStringLiteral("%1: %2").arg(args.at(1), error));

    if (!WholeFile::write(args.at(2), MidiWriter::write(piece), &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(2), error));
    return 0;
}
