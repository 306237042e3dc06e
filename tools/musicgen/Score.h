#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

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
    qint64 length = 0;
};

struct Part
{
    QString section;
    // The voices that play; empty for all.
    QStringList voices;
    int transpose = 0;
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
    QMap<QString, Section> sections;
    QList<Part> form;
};

// Reads a score source; false with the line and fault in `error` when the
// text is not a valid score.
bool parse(const QString &text, Piece &piece, QString &error);

// Every note of the piece in time order, per voice, with the form applied.
QMap<QString, QList<Note>> perform(const Piece &piece, qint64 &totalTicks);

} // namespace Score
