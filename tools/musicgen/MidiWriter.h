#pragma once

#include "Score.h"

#include <QByteArray>

// Writes a piece as a Standard MIDI File of format 1: a first track with
// the title, tempo and meter, then one track per voice with its instrument,
// mix settings and notes.
namespace MidiWriter {

QByteArray write(const Score::Piece &piece);

} // namespace MidiWriter
