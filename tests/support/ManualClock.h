#pragma once
// A clock that moves only when a test says so; due timers tick in deadline order.
#include "toolkit/Clock.h"

class ManualClock : public tk::Clock {
public:
    ManualClock() : m_previous(tk::Clock::setCurrent(this)) {}
    ~ManualClock() override { tk::Clock::setCurrent(m_previous == this ? nullptr : m_previous); }

    qint64 now() const override { return m_now; }
    // Moves time forward by `ms`, waking every timer whose deadline falls within.
    void advance(qint64 ms)
    {
        const qint64 target = m_now + ms;
        wakeDue(target, [this](qint64 deadline) { m_now = std::max(m_now, deadline); });
        m_now = target;
    }
    // Whether `timer` waits for a deadline.
    bool armed(const void *timer) const { return m_alarms.count(timer) != 0; }

private:
    qint64 m_now = 1000;
    tk::Clock *m_previous;
};
