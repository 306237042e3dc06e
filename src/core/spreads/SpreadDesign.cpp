#include "core/spreads/SpreadDesign.h"

#include "core/spreads/Spread.h"

#include <algorithm>

namespace {

// Room left between the boxes that Add places side by side.
constexpr int AddGap = 8;
// How far each fallback place lies below and right of the one before.
constexpr int CascadeStep = 20;

} // namespace

SpreadDesign SpreadDesign::fromSpread(const Spread &spread)
{
    SpreadDesign design;
    QList<Position> ordinary;
    for (const Position &position : spread.positions)
        (position.significator ? design.m_positions : ordinary).append(position);
    design.m_positions.append(ordinary);
    return design;
}

Spread SpreadDesign::toSpread() const
{
    Spread spread;
    spread.positions = m_positions;
    return spread;
}

int SpreadDesign::significatorCount() const
{
    return int(std::count_if(m_positions.cbegin(), m_positions.cend(),
                             [](const Position &position) { return position.significator; }));
}

QByteArray SpreadDesign::label(int index) const
{
    if (m_positions.at(index).significator)
        return "S" + QByteArray::number(index + 1) + ". ";
    return QByteArray::number(index + 1 - significatorCount()) + ". ";
}

int SpreadDesign::add(const QPoint &place)
{
    if (isFull())
        return -1;
    m_positions.append(Position{place, {}, false});
    return count() - 1;
}

void SpreadDesign::remove(int index)
{
    m_positions.removeAt(index);
}

void SpreadDesign::moveTo(int index, const QPoint &place)
{
    m_positions[index].place = place;
}

void SpreadDesign::setExplanation(int index, const QByteArray &explanation)
{
    m_positions[index].explanation = explanation;
}

int SpreadDesign::setSignificator(int index, bool significator)
{
    if (m_positions.at(index).significator == significator)
        return index;
    Position position = m_positions.takeAt(index);
    position.significator = significator;
    // Counted without the position taken out: the significators still in
    // front of the first ordinary position.
    const int target = significatorCount();
    m_positions.insert(target, position);
    return target;
}

int SpreadDesign::reorder(int from, int to)
{
    const int significators = significatorCount();
    const bool significator = m_positions.at(from).significator;
    const int first = significator ? 0 : significators;
    const int last = significator ? significators - 1 : count() - 1;
    to = std::clamp(to, first, last);
    m_positions.move(from, to);
    return to;
}

QPoint SpreadDesign::topLeft() const
{
    if (m_positions.isEmpty())
        return {};
    QPoint corner = m_positions.first().place;
    for (const Position &position : m_positions) {
        corner.setX(std::min(corner.x(), position.place.x()));
        corner.setY(std::min(corner.y(), position.place.y()));
    }
    return corner;
}

void SpreadDesign::shift(const QPoint &offset)
{
    for (Position &position : m_positions)
        position.place += offset;
}

bool SpreadDesign::countsDiffer(const SpreadDesign &other) const
{
    return count() != other.count() || significatorCount() != other.significatorCount();
}

QPoint SpreadDesign::freePlace(const QRect &visible, const QSize &boxSize) const
{
    const auto covers = [this, &boxSize](const QRect &box) {
        return std::any_of(m_positions.cbegin(), m_positions.cend(), [&](const Position &position) {
            return QRect(position.place, boxSize).intersects(box);
        });
    };
    const int stepX = boxSize.width() + AddGap;
    const int stepY = boxSize.height() + AddGap;
    for (int top = visible.top() + AddGap; top + boxSize.height() <= visible.bottom() + 1;
         top += stepY) {
        for (int left = visible.left() + AddGap; left + boxSize.width() <= visible.right() + 1;
             left += stepX) {
            const QRect box(QPoint(left, top), boxSize);
            if (!covers(box))
                return box.topLeft();
        }
    }
    for (int step = 0;; ++step) {
        const QPoint corner = visible.topLeft() + QPoint(AddGap, AddGap) +
                              QPoint(step * CascadeStep, step * CascadeStep);
        const bool taken =
            std::any_of(m_positions.cbegin(), m_positions.cend(),
                        [&corner](const Position &position) { return position.place == corner; });
        if (!taken)
            return corner;
    }
}

SpreadDesign::SaveProblem SpreadDesign::saveProblem() const
{
    if (m_positions.isEmpty())
        return SaveProblem::NoPositions;
    if (!unexplainedLabels().isEmpty())
        return SaveProblem::MissingExplanations;
    return SaveProblem::None;
}

QList<QByteArray> SpreadDesign::unexplainedLabels() const
{
    QList<QByteArray> labels;
    for (int i = 0; i < count(); ++i) {
        if (m_positions.at(i).explanation.isEmpty())
            labels.append(label(i).chopped(2));
    }
    return labels;
}

SpreadDesign::NameProblem SpreadDesign::nameProblem(const QString &given)
{
    const QString name = cleanName(given);
    if (name.isEmpty())
        return NameProblem::Empty;
    if (name.size() > LongestNewName)
        return NameProblem::TooLong;
    if (name.toUtf8().size() > LongestName)
        return NameProblem::NotAFileName;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return NameProblem::ControlCharacter;
    }
    if (name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')))
        return NameProblem::NotAFileName;
    return NameProblem::None;
}
