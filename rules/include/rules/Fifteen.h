#pragma once
// Fifteen values numbered 1 to 15: one per slot of the board, or one per
// answer box. A number outside 1..15 throws std::out_of_range.
#include <array>

namespace rules {

// How many slots a board has, and answer boxes.
constexpr int slotCount = 15;

template <class T>
class Fifteen {
public:
    // The value numbered `number` (1 to 15).
    T &operator[](int number) { return m_values.at(static_cast<std::size_t>(number - 1)); }
    const T &operator[](int number) const { return m_values.at(static_cast<std::size_t>(number - 1)); }
    bool operator==(const Fifteen &) const = default;

private:
    std::array<T, slotCount> m_values{};
};

} // namespace rules
