#pragma once
// An array with declared bounds whose every access is checked; an index
// outside the bounds raises "Subscript out of range".
#include "toolkit/RuntimeError.h"

#include <array>
#include <cstddef>

namespace tk {

template <class T, int Lower, int Upper>
class BoundedArray {
    static_assert(Upper >= Lower);

public:
    // Element `index`; raises SubscriptOutOfRange outside Lower..Upper.
    T &operator()(int index) { return m_items[offset(index)]; }
    const T &operator()(int index) const { return m_items[offset(index)]; }

    static constexpr int lower() { return Lower; }
    static constexpr int upper() { return Upper; }

    // Sets every element back to its default value.
    void clear() { m_items.fill(T{}); }

private:
    static std::size_t offset(int index)
    {
        if (index < Lower || index > Upper)
            tk::raise(SubscriptOutOfRange);
        return static_cast<std::size_t>(index - Lower);
    }

    std::array<T, Upper - Lower + 1> m_items{};
};

} // namespace tk
