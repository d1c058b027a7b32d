#pragma once
// The time source of the timers. The program runs on the system's monotonic
// clock; tests put a clock of their own in its place and move time by hand.
#include <QPointer>
#include <QTimer>
#include <QtGlobal>
#include <functional>
#include <map>

namespace tk {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale.
    virtual qint64 now() const = 0;
    // Runs `wake` once now() has reached `deadline`; replaces what `owner` armed before.
    virtual void arm(const void *owner, qint64 deadline, std::function<void()> wake) = 0;
    // Forgets a pending wake-up of `owner`.
    virtual void disarm(const void *owner) = 0;

    // The clock new timers use.
    static Clock &current();
    // Makes `clock` the one new timers use (nullptr: the system clock); returns the previous one.
    static Clock *setCurrent(Clock *clock);

protected:
    struct Alarm {
        qint64 deadline;
        std::function<void()> wake;
    };
    // Takes out the alarm due first at or before `time`; false when none is.
    static bool takeDue(std::map<const void *, Alarm> &alarms, qint64 time, Alarm &due);
};

// The system's monotonic clock. One precise Qt timer waits for the earliest
// deadline of all that are armed.
class SystemClock : public Clock {
public:
    qint64 now() const override;
    void arm(const void *owner, qint64 deadline, std::function<void()> wake) override;
    void disarm(const void *owner) override;

private:
    void wakeDue();
    void schedule();

    std::map<const void *, Alarm> m_alarms;
    QPointer<QTimer> m_timer;
};

} // namespace tk
