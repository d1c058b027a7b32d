#include "toolkit/Clock.h"

#include <QCoreApplication>
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

bool Clock::takeDue(std::map<const void *, Alarm> &alarms, qint64 time, Alarm &due)
{
    const auto first = std::min_element(alarms.begin(), alarms.end(), [](const auto &a, const auto &b) {
        return a.second.deadline < b.second.deadline;
    });
    if (first == alarms.end() || first->second.deadline > time)
        return false;
    due = std::move(first->second);
    alarms.erase(first);
    return true;
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

void SystemClock::arm(const void *owner, qint64 deadline, std::function<void()> wake)
{
    m_alarms[owner] = {deadline, std::move(wake)};
    schedule();
}

void SystemClock::disarm(const void *owner)
{
    if (m_alarms.erase(owner))
        schedule();
}

void SystemClock::wakeDue()
{
    // An alarm is taken out before it wakes its owner, who may arm again.
    Alarm due;
    while (takeDue(m_alarms, now(), due))
        due.wake();
    schedule();
}

void SystemClock::schedule()
{
    if (!m_timer) {
        // The timer lives and dies with the application, not with this clock.
        m_timer = new QTimer(QCoreApplication::instance());
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { wakeDue(); });
    }
    if (m_alarms.empty()) {
        m_timer->stop();
        return;
    }
    const auto first = std::min_element(m_alarms.begin(), m_alarms.end(), [](const auto &a, const auto &b) {
        return a.second.deadline < b.second.deadline;
    });
    m_timer->start(static_cast<int>(std::clamp<qint64>(first->second.deadline - now(), 0, 1 << 30)));
}

} // namespace tk
