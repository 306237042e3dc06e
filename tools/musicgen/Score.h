#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <utility>

// A piece of music as its score source describes it: the voices (each a
// General MIDI instrument on a channel of its own), the sections with the
// notes each voice plays in them, and the form that strings sections
// together, each time with its own choice of voices, transposition and
// loudness. The source format is described in main.cpp.
namespace Score {

// Ticks per quarter note in the score and in the MIDI file.
constexpr int TicksPerQuarter = 480;

struct Voice
{
    QString name;
    // General MIDI program, 1 to 128 as instrument lists number them.
    int program = 1;
    // MIDI channel, 1 to 16.
    int channel = 1;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    // The share of its written length a note sounds, in percent.
    int legato = 95;
    // How far the velocity follows the beat and the arch of each phrase.
    int shape = 0;
    // The most a note may come early or late, in ticks.
    int loose = 0;
};

// An accompaniment figure: the order in which a chord's tones sound, one
// step after the other, and the length of a step.
struct Figure
{
    // Tone indices from the lowest (0); an index past the chord's top takes
    // the tones an octave higher. Rest (-1) and all tones above the lowest
    // (Upper) are steps too.
    QList<int> steps;
    qint64 stepLength = TicksPerQuarter / 2;
    // Every tone sounds on until the chord's end, as under a pedal.
    bool hold = false;
    static constexpr int Rest = -1;
    static constexpr int Upper = -2;
};

// A chord played through a figure; the figure is chosen when the section is
// performed, so a return of the section may take another one.
struct FiguredChord
{
    qint64 start = 0;
    qint64 length = 0;
    QList<int> pitches;
    int velocity = 80;
    QString figure;
};

struct Note
{
    qint64 start = 0;
    qint64 length = 0;
    int pitch = 60;
    int velocity = 80;
};

struct Section
{
    // The notes of each voice, by voice name, from the section's start.
    QMap<QString, QList<Note>> notes;
    QMap<QString, QList<FiguredChord>> chords;
    // Expression (MIDI controller 11) at evenly spaced points from the
    // section's start to its end; empty for the steady level.
    QList<int> swell;
    qint64 length = 0;
};

struct Part
{
    QString section;
    // The voices that play; empty for all.
    QStringList voices;
    int transpose = 0;
    // The figure every figured chord takes this time; empty for their own.
    QString figure;
    int repeats = 1;
    int velocityPercent = 100;
};

struct Piece
{
    QString title;
    int tempo = 80;
    int meterNumerator = 4;
    int meterDenominator = 4;
    QList<Voice> voices;
    QMap<QString, Figure> figures;
    QMap<QString, Section> sections;
    QList<Part> form;
    // The last bars slow down to this share of the tempo.
    int ritardandoBars = 0;
    int ritardandoPercent = 100;
    // Raises or lowers every voice's volume, in decibels.
    double gain = 0;
};

// The piece as it sounds: every note of each voice in time order, the
// expression and tempo as they change, and where it ends.
struct Performance
{
    QMap<QString, QList<Note>> notes;
    // (tick, value) of the expression controller, the same on every channel.
    QList<std::pair<qint64, int>> expression;
    // (tick, quarter notes per minute).
    QList<std::pair<qint64, double>> tempo;
    qint64 totalTicks = 0;
};

// What makes a piece worth hearing more than once, counted on the notes as
// written (before timing offsets).
struct Figures
{
    double seconds = 0;
    int bars = 0;
    int distinctBars = 0;
    // Distinct velocities of each voice as performed.
    QMap<QString, int> velocities;
};

// Reads a score source; false with the line and fault in `error` when the
// text is not a valid score.
bool parse(const QString &text, Piece &piece, QString &error);

// The piece with its form, figures, velocity shaping, expression and
// ritardando applied; with `offsets` the notes also leave the grid a little.
Performance perform(const Piece &piece, bool offsets = true);

Figures figures(const Piece &piece);

} // namespace Score
