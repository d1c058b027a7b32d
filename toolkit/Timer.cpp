#include "toolkit/Timer.h"
#include "toolkit/Clock.h"
#include "toolkit/RuntimeError.h"

#include <QPointer>

namespace tk {

namespace {
// A timer that falls this many intervals behind (a suspended machine, a long
// modal wait) starts its schedule afresh instead of firing a burst of ticks.
constexpr qint64 maxTicksBehind = 5;
}

Timer::Timer(QObject *parent)
    : QObject(parent)
    , m_clock(&Clock::current())
{
}

Timer::~Timer()
{
    m_clock->disarm(this);
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds < 0 || milliseconds > 65535)
        tk::raise(InvalidCall);
    m_interval = milliseconds;
    restart();
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled && !m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void Timer::restart()
{
    m_clock->disarm(this);
    m_ticks = 0;
    m_start = m_clock->now();
    if (m_enabled && m_interval > 0)
        armNext();
}

void Timer::armNext()
{
    m_clock->arm(this, m_start + (m_ticks + 1) * m_interval, [this] { wake(); });
}

void Timer::wake()
{
    if (!m_enabled || m_interval <= 0)
        return;
    const qint64 now = m_clock->now();
    const qint64 deadline = m_start + (m_ticks + 1) * m_interval;
    if (now < deadline) {  // woken early: wait for the deadline itself
        m_clock->arm(this, deadline, [this] { wake(); });
        return;
    }
    ++m_ticks;
    if (now - deadline >= maxTicksBehind * m_interval) {
        m_start = now - m_ticks * m_interval;
    }
    armNext();
    if (m_inHandler || !onTimer)
        return;  // a tick that falls inside its own running handler is dropped
    QPointer<Timer> self(this);
    m_inHandler = true;
    runHandler(onTimer);
    if (self)
        m_inHandler = false;
}

} // namespace tk
