#pragma once
// The time source of the timers. The program runs on the system's monotonic
// clock; tests put a clock of their own in its place and move time by hand.
#include <QtGlobal>

namespace tk {

class Timer;

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale.
    virtual qint64 now() const = 0;
    // Wakes `timer` (Timer::wake) once `now()` has reached `deadline`.
    virtual void arm(Timer *timer, qint64 deadline) = 0;
    // Forgets a pending wake-up of `timer`.
    virtual void disarm(Timer *timer) = 0;

    // The clock new timers use.
    static Clock &current();
    // Makes `clock` the one new timers use (nullptr: the system clock); returns the previous one.
    static Clock *setCurrent(Clock *clock);
};

// The system's monotonic clock, waking timers through precise Qt timers.
class SystemClock : public Clock {
public:
    qint64 now() const override;
    void arm(Timer *timer, qint64 deadline) override;
    void disarm(Timer *timer) override;
};

} // namespace tk
