#include "Probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace tqbench {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &tv) { return double(tv.tv_sec) + double(tv.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long statusKb(const char *field)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

namespace {

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(std::function<bool(QWidget *)> match, std::function<void(QWidget *)> then)
        : m_match(std::move(match))
        , m_then(std::move(then))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (!widget->isWindow() || !m_match(widget))
            return false;
        m_seen = true;
        // The paint of the whole window and its flush finish within the
        // event being handled now; the queued call runs right after them.
        QMetaObject::invokeMethod(
            qApp,
            [this, widget] {
                qApp->removeEventFilter(this);
                m_then(widget);
                deleteLater();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<bool(QWidget *)> m_match;
    std::function<void(QWidget *)> m_then;
    bool m_seen = false;
};

} // namespace

void afterFirstPaint(std::function<bool(QWidget *)> match, std::function<void(QWidget *)> then)
{
    qApp->installEventFilter(new FirstPaintWatcher(std::move(match), std::move(then)));
}

void measureIdle(int delayMs, double seconds, std::function<bool()> ready, std::function<void(double wall)> atEnd)
{
    QTimer::singleShot(delayMs, qApp, [seconds, ready = std::move(ready), atEnd = std::move(atEnd)] {
        report("idle_state_ok", ready() ? 1 : 0);
        const double cpu0 = cpuSeconds();
        const long long wall0 = monotonicNs();
        QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, [cpu0, wall0, atEnd] {
            const double cpu = cpuSeconds() - cpu0;
            const double wall = double(monotonicNs() - wall0) / 1e9;
            report("idle_cpu_percent", 100.0 * cpu / wall);
            if (atEnd)
                atEnd(wall);
            finish();
        });
    });
}

void report(const char *key, double value)
{
    char line[128];
    const int n = std::snprintf(line, sizeof line, "%s %.6f\n", key, value);
    if (n > 0)
        (void)!write(STDOUT_FILENO, line, static_cast<size_t>(n));
}

void finish()
{
    _exit(0);
}

QString mode()
{
    return qEnvironmentVariable("TQ_BENCH_MODE", QStringLiteral("startup"));
}

double argument(double fallback)
{
    bool ok = false;
    const double value = qEnvironmentVariable("TQ_BENCH_ARG").toDouble(&ok);
    return ok ? value : fallback;
}

} // namespace tqbench
