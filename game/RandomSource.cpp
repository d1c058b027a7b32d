#include "game/RandomSource.h"

#include <chrono>

namespace game {

namespace {
RandomSource *&currentSource()
{
    static RandomSource *source = nullptr;
    return source;
}
} // namespace

void RandomSource::randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float RandomSource::rnd()
{
    // 24 random bits scaled by 2^-24: every value is exact in single precision and below 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

RandomSource &RandomSource::current()
{
    static RandomSource clockSeeded;
    RandomSource *source = currentSource();
    return source ? *source : clockSeeded;
}

RandomSource *RandomSource::setCurrent(RandomSource *source)
{
    RandomSource *previous = &current();
    currentSource() = source;
    return previous;
}

} // namespace game
