#include "ManualClock.h"
#include "toolkit/Timer.h"

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
    for (;;) {
        auto next = m_deadlines.end();
        for (auto it = m_deadlines.begin(); it != m_deadlines.end(); ++it) {
            if (it->second <= target && (next == m_deadlines.end() || it->second < next->second))
                next = it;
        }
        if (next == m_deadlines.end())
            break;
        tk::Timer *timer = next->first;
        m_now = std::max(m_now, next->second);
        m_deadlines.erase(next);
        timer->wake();
    }
    m_now = target;
}
