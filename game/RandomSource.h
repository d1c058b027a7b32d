#pragma once
// The uniform random numbers of the picture draw, reseeded from the clock.
// Tests put a source of their own in its place.
#include <cstdint>
#include <random>

namespace game {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds the generator from the system clock.
    virtual void randomize();
    // A uniform number in [0, 1), single precision.
    virtual float rnd();

    // The source the draw uses.
    static RandomSource &current();
    // Makes `source` the one the draw uses (nullptr: the clock-seeded one); returns the previous one.
    static RandomSource *setCurrent(RandomSource *source);

private:
    std::mt19937 m_engine{std::random_device{}()};
};

} // namespace game
