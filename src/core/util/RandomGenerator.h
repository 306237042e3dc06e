#pragma once

#include <QtGlobal>

#include <array>
#include <functional>

// The program's one source of chance: a uniform integer generator over [0, n).
// Readings reseed it from the clock at the moments a fresh deal or draw
// begins; tests replace the clock with a fixed seed so deals repeat exactly.
//
// It is xoshiro256** with Lemire's unbiased range reduction rather than a
// standard engine and distribution: a shuffle frame draws half a million
// numbers, and the standard distributions are both slower and free to differ
// between library versions, which would change a fixed-seed deal.
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
    int uniform(int n)
    {
        Q_ASSERT(n >= 1);
        const auto range = quint32(n);
        quint64 product = quint64(next32()) * range;
        auto low = quint32(product);
        if (low < range) {
            const quint32 threshold = quint32(-range) % range;
            while (low < threshold) {
                product = quint64(next32()) * range;
                low = quint32(product);
            }
        }
        return int(product >> 32);
    }

private:
    quint32 next32() { return quint32(next64() >> 32); }

    quint64 next64()
    {
        const quint64 result = rotateLeft(m_state[1] * 5, 7) * 9;
        const quint64 shifted = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= shifted;
        m_state[3] = rotateLeft(m_state[3], 45);
        return result;
    }

    static quint64 rotateLeft(quint64 value, int bits)
    {
        return (value << bits) | (value >> (64 - bits));
    }

    std::array<quint64, 4> m_state{};
    SeedSource m_seedSource;
};
