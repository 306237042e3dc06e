#include "core/spreads/Placements.h"

#include <algorithm>

Placements::Placements(int positionCount)
    : m_placements(std::max(positionCount, 0))
{}

Placements::Placement Placements::at(int position) const
{
    return position >= 0 && position < size() ? m_placements.at(position) : Placement();
}

bool Placements::contains(int card) const
{
    return std::any_of(m_placements.cbegin(), m_placements.cend(),
                       [card](const Placement &placement) { return placement.card == card; });
}

int Placements::firstEmpty() const
{
    const auto empty =
        std::find_if(m_placements.cbegin(), m_placements.cend(),
                     [](const Placement &placement) { return !placement.isFilled(); });
    return int(empty - m_placements.cbegin());
}

bool Placements::allRevealed() const
{
    return std::all_of(m_placements.cbegin(), m_placements.cend(),
                       [](const Placement &placement) { return placement.revealed; });
}

QList<int> Placements::cards() const
{
    QList<int> numbers;
    numbers.reserve(size());
    for (const Placement &placement : m_placements)
        numbers.append(placement.card);
    return numbers;
}

void Placements::place(int position, int card, bool reversed)
{
    Placement &placement = m_placements[position];
    placement.card = card;
    placement.reversed = reversed;
    placement.revealed = false;
}

void Placements::reveal(int position)
{
    m_placements[position].revealed = true;
}
