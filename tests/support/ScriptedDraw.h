#pragma once
// A random source that draws the catalog indices it is dealt, in order, and
// never reseeds; past them it draws from a fixed-seed generator, and counts.
#include "rules/Draw.h"

#include <deque>
#include <initializer_list>
#include <random>

class ScriptedDraw : public rules::RandomSource {
public:
    // The number r in [0, 1) that draws catalog index `index`.
    static float drawing(int index) { return (float(index - 2) + 0.5f) / 100.0f; }

    // Queues the draws of `indices`.
    void deal(std::initializer_list<int> indices)
    {
        for (const int index : indices)
            m_values.push_back(drawing(index));
    }
    // Queues raw numbers in [0, 1).
    void dealRaw(float value) { m_values.push_back(value); }

    void randomize() override { ++reseeds; }
    float rnd() override
    {
        if (m_values.empty()) {
            ++undealt;
            return std::uniform_real_distribution<float>(0.0f, 1.0f)(m_engine) * 0.999f;
        }
        const float value = m_values.front();
        m_values.pop_front();
        return value;
    }

    // How often the draw asked for a reseed, and drew past what was dealt.
    int reseeds = 0;
    int undealt = 0;

private:
    std::deque<float> m_values;
    std::mt19937 m_engine{20261209};
};
