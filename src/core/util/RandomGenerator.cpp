#include "RandomGenerator.h"

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
    m_engine.seed(value);
}

void RandomGenerator::setSeedSource(SeedSource source)
{
    m_seedSource = std::move(source);
}

int RandomGenerator::uniform(int n)
{
    Q_ASSERT(n >= 1);
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}
