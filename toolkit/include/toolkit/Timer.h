#pragma once
// A timer with an interval in milliseconds. Its ticks follow a fixed
// schedule: tick k falls at the moment it was enabled plus k intervals, so a
// run of ticks takes its full time without drifting, whatever each tick costs.
#include <QObject>
#include <functional>

namespace tk {

class Clock;

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent = nullptr);
    ~Timer() override;

    // Sets the interval; an enabled timer starts its schedule afresh.
    void setInterval(int milliseconds);
    bool Enabled() const { return m_enabled; }
    // Enabling starts the schedule from now, also for a timer already enabled.
    void setEnabled(bool enabled);

    // The tick handler, run as an event handler.
    std::function<void()> onTimer;

private:
    // Runs when the clock says the next deadline has come.
    void wake();
    void restart();
    void armNext();

    Clock *m_clock;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_inHandler = false;
    qint64 m_start = 0;
    qint64 m_ticks = 0;
};

} // namespace tk
