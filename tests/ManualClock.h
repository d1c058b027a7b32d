#pragma once
// A clock that moves only when a test says so; due timers tick in deadline order.
#include "toolkit/Clock.h"

#include <map>

class ManualClock : public tk::Clock {
public:
    ManualClock();
    ~ManualClock() override;

    qint64 now() const override { return m_now; }
    void arm(tk::Timer *timer, qint64 deadline) override { m_deadlines[timer] = deadline; }
    void disarm(tk::Timer *timer) override { m_deadlines.erase(timer); }

    // Moves time forward by `ms`, waking every timer whose deadline falls within.
    void advance(qint64 ms);
    // Whether `timer` is waiting for a deadline.
    bool armed(tk::Timer *timer) const { return m_deadlines.count(timer) != 0; }

private:
    qint64 m_now = 1000;
    std::map<tk::Timer *, qint64> m_deadlines;
    tk::Clock *m_previous;
};
