#include "toolkit/Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

namespace tk {

namespace {
Clock *currentClock = nullptr;
} // namespace

Clock &Clock::current()
{
    static SystemClock systemClock;
    return currentClock ? *currentClock : systemClock;
}

Clock *Clock::setCurrent(Clock *clock)
{
    Clock *previous = &current();
    currentClock = clock;
    return previous;
}

void Clock::arm(const void *owner, qint64 deadline, std::function<void()> wake)
{
    m_alarms[owner] = {deadline, std::move(wake)};
    alarmsChanged();
}

void Clock::disarm(const void *owner)
{
    if (m_alarms.erase(owner))
        alarmsChanged();
}

qint64 Clock::nextDeadline() const
{
    const auto first = std::min_element(m_alarms.begin(), m_alarms.end(), [](const auto &a, const auto &b) {
        return a.second.deadline < b.second.deadline;
    });
    return first == m_alarms.end() ? -1 : first->second.deadline;
}

void Clock::wakeDue(qint64 time, const std::function<void(qint64 deadline)> &reached)
{
    for (qint64 deadline = nextDeadline(); deadline >= 0 && deadline <= time; deadline = nextDeadline()) {
        const auto due = std::find_if(m_alarms.begin(), m_alarms.end(),
                                      [deadline](const auto &a) { return a.second.deadline == deadline; });
        const std::function<void()> wake = std::move(due->second.wake);
        m_alarms.erase(due);
        if (reached)
            reached(deadline);
        wake();
    }
    alarmsChanged();
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

void SystemClock::alarmsChanged()
{
    if (!m_timer) {
        // The timer lives and dies with the application, not with this clock.
        m_timer = new QTimer(QCoreApplication::instance());
        m_timer->setSingleShot(true);
        m_timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { wakeDue(now()); });
    }
    const qint64 next = nextDeadline();
    if (next < 0)
        m_timer->stop();
    else
        m_timer->start(static_cast<int>(std::clamp<qint64>(next - now(), 0, 1 << 30)));
}

} // namespace tk
