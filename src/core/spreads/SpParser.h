#pragma once

#include <QByteArray>

#include <array>

// A spread: up to 79 card positions with their places and explanations, and,
// while a reading is laid with it, which card lies at each position and how.
class TSpreadParser
{
public:
    static constexpr int Capacity = 79;

    template <typename T> using PerPosition = std::array<T, Capacity>;

    PerPosition<qint32> PosX{};
    PerPosition<qint32> PosY{};
    PerPosition<QByteArray> Explanation;
    PerPosition<qint32> CardAt{};
    PerPosition<bool> PositionReversed{};
    PerPosition<bool> IsSignificator{};
    qint32 PositionCount = 0;
    qint32 SignificatorCount = 0;
    PerPosition<bool> Filled{};
    PerPosition<bool> Revealed{};
    qint32 ChosenCard = -1;
    bool ChosenReversed = false;

    TSpreadParser();

    // Empties the record for a new reading; explanations are kept.
    void ResetSpread();
    // Empties the record for a spread being designed: every position waits at
    // (100, 20) without an explanation.
    void NewSpread();
};
