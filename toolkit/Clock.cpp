#include "toolkit/Clock.h"
#include "toolkit/Timer.h"

#include <QElapsedTimer>
#include <algorithm>

namespace tk {

namespace {

SystemClock &systemClock()
{
    static SystemClock clock;
    return clock;
}

Clock *&currentClock()
{
    static Clock *clock = nullptr;
    return clock;
}

} // namespace

Clock &Clock::current()
{
    Clock *clock = currentClock();
    return clock ? *clock : systemClock();
}

Clock *Clock::setCurrent(Clock *clock)
{
    Clock *previous = &current();
    currentClock() = clock;
    return previous;
}

qint64 SystemClock::now() const
{
    static QElapsedTimer epoch = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return epoch.nsecsElapsed() / 1000000;
}

void SystemClock::arm(Timer *timer, qint64 deadline)
{
    timer->wakeTimer().start(static_cast<int>(std::max<qint64>(0, deadline - now())));
}

void SystemClock::disarm(Timer *timer)
{
    timer->wakeTimer().stop();
}

} // namespace tk
