#pragma once
// A random source that draws the catalog indices it is dealt, in order, and
// never reseeds; it is the game's source for as long as it lives.
#include "rules/Draw.h"

#include <deque>
#include <initializer_list>

class ScriptedDraw : public rules::RandomSource {
public:
    ScriptedDraw() : m_previous(rules::RandomSource::setCurrent(this)) {}
    ~ScriptedDraw() override { rules::RandomSource::setCurrent(m_previous == this ? nullptr : m_previous); }

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
        const float value = m_values.front();
        m_values.pop_front();
        return value;
    }

    // How often the draw asked for a reseed.
    int reseeds = 0;

private:
    std::deque<float> m_values;
    rules::RandomSource *m_previous;
};
