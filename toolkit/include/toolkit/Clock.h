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
    void arm(const void *owner, qint64 deadline, std::function<void()> wake);
    // Forgets a pending wake-up of `owner`.
    void disarm(const void *owner);

    // The clock new timers use.
    static Clock &current();
    // Makes `clock` the one new timers use (nullptr: the system clock); returns the previous one.
    static Clock *setCurrent(Clock *clock);

protected:
    // Wakes every owner due at or before `time`, earliest first; `reached`
    // hears each deadline just before its owner wakes. An alarm is taken out
    // before it wakes its owner, who may arm again.
    void wakeDue(qint64 time, const std::function<void(qint64 deadline)> &reached = {});
    // The earliest deadline armed, or -1 when none is.
    qint64 nextDeadline() const;
    // Told whenever an alarm is armed or forgotten.
    virtual void alarmsChanged() {}

    struct Alarm {
        qint64 deadline;
        std::function<void()> wake;
    };
    std::map<const void *, Alarm> m_alarms;
};

// The system's monotonic clock. One precise Qt timer waits for the earliest
// deadline of all that are armed.
class SystemClock : public Clock {
public:
    qint64 now() const override;

private:
    void alarmsChanged() override;

    QPointer<QTimer> m_timer;
};

} // namespace tk
