#pragma once

#include "core/data/DataRoots.h"
#include "core/spreads/SpreadPosition.h"

#include <QByteArray>
#include <QList>
#include <QString>

class RandomGenerator;

// A spread's design: up to 79 card positions with their places and
// explanations, the significators first. Which card lies where in a reading is
// the reading's own (see Placements). On disk a spread is a scrambled text: a count line, then one
// line per position "[S]x,y,explanation", each line behind six random bytes.
class Spread
{
public:
    static constexpr int Capacity = 79;
    // Positions lie within this many pixels of the origin either way, so
    // that the table's arithmetic on them cannot overflow.
    static constexpr int CoordinateLimit = 100000;

    enum class LoadResult
    {
        Loaded,
        Missing,
        // The file could not be read, is not a spread, or holds a spread the
        // table cannot lay (see layoutFault()); what was read before the fault
        // stays in the record.
        Unreadable,
    };

    QList<SpreadPosition> positions;

    int positionCount() const { return int(positions.size()); }
    int significatorCount() const;
    // Position `index`'s explanation; empty for an index beyond the spread.
    QByteArray explanation(int index) const;

    // The spread file called `name` in `folder`, also one whose extension
    // differs only in letter case; empty when there is none.
    static QString fileIn(const QString &folder, const QString &name);
    // Path of the spread file called `name` to read: the user's when they
    // have one, else the bundled one (where it would be when neither exists).
    static QString filePath(const DataRoots &roots, const QString &name);
    // Where the spread called `name` is saved: among the user's spreads,
    // replacing the user's file of that name in whatever letter case.
    static QString writePath(const DataRoots &roots, const QString &name);

    // Replaces the positions with those of the spread file at `path`; what
    // was read before a fault stays. Anything but Loaded sets `errorString`
    // to what is wrong with the file.
    LoadResult load(const QString &path, QString *errorString = nullptr);
    // Reads the unscrambled text of a spread file; false, with the fault in
    // `errorString`, when it is not one or the table could not lay it.
    bool readPlainText(const QByteArray &plain, QString *errorString = nullptr);
    // Why the table could not lay these positions: none at all, or a
    // significator after an ordinary position (the draw fills positions in
    // order and takes the first ones to be the significators). Empty when
    // the spread can be laid.
    QString layoutFault() const;

    // Writes the positions to `path`, replacing any file
    // there only once the new one is complete. Reseeds `random` from the clock.
    bool save(const QString &path, RandomGenerator &random, QString *errorString = nullptr) const;
    // The unscrambled text of the spread file, with fresh random line prefixes.
    QByteArray plainText(RandomGenerator &random) const;
};
