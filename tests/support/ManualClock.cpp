#include "ManualClock.h"

#include <algorithm>

ManualClock::ManualClock()
    : m_previous(tk::Clock::setCurrent(this))
{
}

ManualClock::~ManualClock()
{
    tk::Clock::setCurrent(m_previous == this ? nullptr : m_previous);
}

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_now + ms;
    Alarm due;
    while (takeDue(m_alarms, target, due)) {
        m_now = std::max(m_now, due.deadline);
        due.wake();
    }
    m_now = target;
}
