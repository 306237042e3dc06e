#pragma once

#include <QList>

// Which card lies at each position of a spread in one reading, which way up,
// and whether it has been turned face up. The spread's design says where the
// positions are; this says what the reading put there.
class Placements
{
public:
    struct Placement
    {
        // The card's number; NoCard while the position waits for one.
        int card = NoCard;
        bool reversed = false;
        bool revealed = false;

        bool isFilled() const { return card != NoCard; }

        friend bool operator==(const Placement &a, const Placement &b)
        {
            return a.card == b.card && a.reversed == b.reversed && a.revealed == b.revealed;
        }
    };

    static constexpr int NoCard = -1;

    Placements() = default;
    // Every one of `positionCount` positions empty.
    explicit Placements(int positionCount);

    int size() const { return int(m_placements.size()); }
    // The placement at `position`; an empty one for an index beyond the spread.
    Placement at(int position) const;
    bool isFilled(int position) const { return at(position).isFilled(); }
    bool isRevealed(int position) const { return at(position).revealed; }
    bool contains(int card) const;
    // The first position without a card; size() when every one has its card.
    int firstEmpty() const;
    bool allFilled() const { return firstEmpty() == size(); }
    bool allRevealed() const;
    // The card at each position, NoCard for an empty one.
    QList<int> cards() const;

    // Lays `card` face down at `position`, which must lie in the spread.
    void place(int position, int card, bool reversed);
    void reveal(int position);

    friend bool operator==(const Placements &a, const Placements &b)
    {
        return a.m_placements == b.m_placements;
    }

private:
    QList<Placement> m_placements;
};
