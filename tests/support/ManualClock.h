#pragma once
// A clock that moves only when a test says so; due timers tick in deadline order.
#include "toolkit/Clock.h"

class ManualClock : public tk::Clock {
public:
    ManualClock();
    ~ManualClock() override;

    qint64 now() const override { return m_now; }
    void arm(const void *owner, qint64 deadline, std::function<void()> wake) override
    {
        m_alarms[owner] = {deadline, std::move(wake)};
    }
    void disarm(const void *owner) override { m_alarms.erase(owner); }

    // Moves time forward by `ms`, waking every timer whose deadline falls within.
    void advance(qint64 ms);
    // Whether `timer` is waiting for a deadline.
    bool armed(const void *timer) const { return m_alarms.count(timer) != 0; }

private:
    qint64 m_now = 1000;
    std::map<const void *, Alarm> m_alarms;
    tk::Clock *m_previous;
};
