#pragma once
// The Windows C runtime's rand and srand: the same seed gives the same
// sequence, 0 to 32767, on every platform.

namespace afx {

constexpr int RAND_MAX_CRT = 32767;

class CrtRandom {
public:
    void Seed(unsigned seed) { m_state = seed; }
    int Next()
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    unsigned m_state = 1;
};

} // namespace afx
