#pragma once

#include "core/spreads/SpreadPosition.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class Spread;

// A spread while it is being designed: its positions in order, each with its
// place in the spread file's coordinates, its explanation and whether it is a
// significator position. Significator positions always come first, so the
// spread can be laid on the table and its labels read 1, 2, 3 after them.
class SpreadDesign
{
public:
    using Position = SpreadPosition;

    // Why a design cannot be saved yet.
    enum class SaveProblem
    {
        None,
        NoPositions,
        MissingExplanations,
    };

    // Why a text cannot be a spread's name (it becomes the file's name).
    enum class NameProblem
    {
        None,
        Empty,
        // Holds "/" or "\", starts with "." or is longer than LongestName.
        NotAFileName,
        ControlCharacter,
        // Longer than LongestNewName characters.
        TooLong,
    };

    static constexpr int Capacity = 79;
    // The most UTF-8 bytes a name can have: with ".spread" after it, the
    // file name must stay within the 255 bytes file systems allow.
    static constexpr int LongestName = 255 - 7;
    // The most characters a name given in the editor can have: enough for
    // any title, short enough to show whole in lists and messages.
    static constexpr int LongestNewName = 100;

    SpreadDesign() = default;
    // The positions of `spread`, with any significator that stands after an
    // ordinary position moved up among the significators.
    static SpreadDesign fromSpread(const Spread &spread);
    // A spread record holding the design, ready to save.
    Spread toSpread() const;

    int count() const { return int(m_positions.size()); }
    int significatorCount() const;
    const Position &at(int index) const { return m_positions.at(index); }
    const QList<Position> &positions() const { return m_positions; }
    bool isFull() const { return count() >= Capacity; }

    // The label of position `index` in the editor: "S" and its index + 1 for a
    // significator, else its number among the ordinary positions, then ". ".
    QByteArray label(int index) const;

    // Appends an ordinary position at `place`; its index, or -1 when full.
    int add(const QPoint &place);
    // Removes position `index`; the later positions move up one number.
    void remove(int index);
    void moveTo(int index, const QPoint &place);
    void setExplanation(int index, const QByteArray &explanation);
    // Moves position `from` to `to` in the drawing order, kept within its own
    // group (significators stay first). Returns the position's new index.
    int reorder(int from, int to);
    // The top left of the places' bounds, or (0, 0) for an empty design.
    QPoint topLeft() const;
    // Moves every place by `offset`.
    void shift(const QPoint &offset);
    // Whether the two designs differ in their number of positions or of
    // significators: what a saved reading of the spread depends on.
    bool countsDiffer(const SpreadDesign &other) const;
    // Makes position `index` a significator or an ordinary one and moves it
    // so that the significators stay first: a new significator goes after the
    // last one, a former one becomes the first ordinary position. Returns
    // the position's new index.
    int setSignificator(int index, bool significator);

    // Where a new box of `boxSize` goes: the first place, row by row inside
    // `visible`, where it covers no other box; when there is none, the first
    // place down a diagonal from the visible corner where no box has its
    // corner.
    QPoint freePlace(const QRect &visible, const QSize &boxSize) const;

    SaveProblem saveProblem() const;
    // The labels, without ". ", of the positions without an explanation, in
    // order: "S1" for a significator, the number for the others.
    QList<QByteArray> unexplainedLabels() const;

    // A name as the editor takes it: without spaces at either end.
    static QString cleanName(const QString &name) { return name.trimmed(); }
    // What is wrong with `name` once cleaned.
    static NameProblem nameProblem(const QString &name);

    friend bool operator==(const SpreadDesign &a, const SpreadDesign &b)
    {
        return a.m_positions == b.m_positions;
    }
    friend bool operator!=(const SpreadDesign &a, const SpreadDesign &b) { return !(a == b); }

private:
    QList<Position> m_positions;
};
