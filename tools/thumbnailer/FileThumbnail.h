#pragma once

#include "core/readings/ReadingOpenPlan.h"

#include <QImage>
#include <QString>

class DataRoots;
class Preferences;
class ProgramData;

// What a file manager shows for the program's files: a saved reading as its
// spread with the faces of its cards, a spread file as the outlines of its
// positions, drawn as the report's spread picture is and scaled to fit.
namespace FileThumbnail {

// The picture of the reading or spread (named `.spread`) at `path`, at most `size` pixels wide and
// high; a null image, with the reason in `errorString`, when the file is neither or is damaged.
// `outcome`, when given, tells a reading's refusal apart, e.g. one that needs the 79th card.
QImage draw(const QString &path, const ProgramData &data, const Preferences &preferences, int size,
            QString *errorString, ReadingOpenPlan::Outcome *outcome = nullptr);

// The first deck on offer that has the 79th card, for a reading laid with
// it when the chosen deck lacks it; empty when no deck has it.
QString deckWithExtraCard(const DataRoots &roots);

} // namespace FileThumbnail
