#pragma once
// The draw of a game's pictures: 15 different catalog indices from the 100
// game pictures (2 to 101; 1 is the placeholder), from a uniform random
// source reseeded from the clock; the program hands the main window its source.
#include "rules/Fifteen.h"

#include <cstdint>
#include <random>

namespace rules {

// The first and last catalog index a game may show.
constexpr int firstGamePicture = 2;
constexpr int lastGamePicture = 101;

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Reseeds the generator from the system clock.
    virtual void randomize() = 0;
    // A uniform number in [0, 1), single precision.
    virtual float rnd() = 0;
};

// The program's source: a Mersenne twister reseeded from the clock.
class ClockSeededRandom : public RandomSource {
public:
    void randomize() override;
    float rnd() override;

private:
    std::mt19937 m_engine{std::random_device{}()};
};

// One draw: Int(r × 100) + 2 for the next r, a catalog index from 2 to 101.
int drawIndex(RandomSource &random);

// The indices of slots 1 to 15, all different. Each slot reseeds the source
// once, then draws; a value some earlier slot holds is drawn again, without
// reseeding, and checked against every earlier slot afresh.
Fifteen<int> drawPictures(RandomSource &random);

} // namespace rules
