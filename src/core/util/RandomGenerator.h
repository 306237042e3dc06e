#pragma once

#include <QtGlobal>

#include <functional>
#include <random>

// The program's one source of chance: a uniform integer generator over [0, n).
// Readings reseed it from the clock at the moments a fresh deal or draw
// begins; tests replace the clock with a fixed seed so deals repeat exactly.
class RandomGenerator
{
public:
    using SeedSource = std::function<quint32()>;

    RandomGenerator();

    // Reseeds from the seed source, the millisecond clock unless replaced.
    void seedFromClock();
    void seed(quint32 value);
    void setSeedSource(SeedSource source);

    // A uniform integer in [0, n); n must be at least 1.
    int uniform(int n);

private:
    std::mt19937 m_engine;
    SeedSource m_seedSource;
};
