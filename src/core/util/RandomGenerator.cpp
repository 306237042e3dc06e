#include "core/util/RandomGenerator.h"

#include <QDateTime>

#include <utility>

RandomGenerator::RandomGenerator()
    : m_seedSource([] { return quint32(QDateTime::currentMSecsSinceEpoch()); })
{
    seedFromClock();
}

void RandomGenerator::seedFromClock()
{
    seed(m_seedSource());
}

void RandomGenerator::seed(quint32 value)
{
    // SplitMix64 spreads the 32-bit seed over the whole state, never all zero.
    quint64 mix = value;
    for (quint64 &word : m_state) {
        mix += 0x9E3779B97F4A7C15ULL;
        quint64 z = mix;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        word = z ^ (z >> 31);
    }
}

void RandomGenerator::setSeedSource(SeedSource source)
{
    m_seedSource = std::move(source);
}
