// Attaches the probe to the bare program when its application object is made.
#include "probe/Probe.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

void attach()
{
    using namespace tqbench;
    const QString m = mode();
    afterFirstPaint([](QWidget *) { return true; }, [m](QWidget *) {
        report("first_paint_ns", double(monotonicNs()));
        report("first_paint_cpu_ms", cpuSeconds() * 1000);
        if (m == QLatin1String("idle")) {
            measureIdle(1000, argument(3), [] { return true; });
            return;
        }
        if (m == QLatin1String("memory")) {
            report("vm_hwm_kb", double(statusKb("VmHWM")));
            report("vm_rss_kb", double(statusKb("VmRSS")));
        }
        finish();
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(attach)
