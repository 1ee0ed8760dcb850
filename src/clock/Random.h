// The clock's pseudo-random numbers: a small linear congruential generator with
// the classic 15-bit output, seeded once at start.
#pragma once
#include <cstdint>

class RandomGenerator {
public:
    static constexpr int kMax = 0x7FFF;

    void Seed(std::uint32_t seed) { m_state = seed; }
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t m_state = 1;
};
