#include "rules/Draw.h"

#include <chrono>
#include <cmath>

namespace rules {

void ClockSeededRandom::randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float ClockSeededRandom::rnd()
{
    // 24 random bits scaled by 2^-24: every value is exact in single precision and below 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

int drawIndex(RandomSource &random)
{
    const float scaled = random.rnd() * 100.0f;
    return static_cast<int>(std::floor(scaled)) + firstGamePicture;
}

Fifteen<int> drawPictures(RandomSource &random)
{
    Fifteen<int> drawn;
    for (int i = 1; i <= slotCount; ++i) {
        random.randomize();
        int c = drawIndex(random);
        // A collision draws again and rescans from the first slot; the scan
        // ends after a whole pass in which the current value matched nothing.
        for (int j = 1; j <= i - 1;) {
            if (c == drawn[j]) {
                c = drawIndex(random);
                j = 1;
            } else {
                ++j;
            }
        }
        drawn[i] = c;
    }
    return drawn;
}

} // namespace rules
