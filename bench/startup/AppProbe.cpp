// Attaches the probe to the game's own start-up code (app/main.cpp, compiled
// unchanged into this executable) when its application object is made. What
// it measures depends on TQ_BENCH_MODE:
//   startup        process start to the intro window's first painted frame
//   board          as startup, then Start at once; until the first board is painted
//   press          as startup, then Start once the rules show it, as a player
//                  presses it; until the first board is painted
//   idle-intro     CPU use during the intro's rules phase
//   idle-memorise  CPU use during the memorise phase of the first game
//   memory         resident memory over TQ_BENCH_ARG New Games (default 1000)
#include "probe/Probe.h"

#include "game/frmmain.h"
#include "intro/frmRadavirar.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

using namespace tqbench;

// Counts the paints of one window and its controls: what an idle phase makes the window do.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window)
            ++paints;
        return false;
    }
    long paints = 0;

private:
    QWidget *m_window;
};

bool isIntro(QWidget *w) { return qobject_cast<intro::frmRadavirar *>(w) != nullptr; }
bool isMain(QWidget *w) { return qobject_cast<game::frmmain *>(w) != nullptr; }

void newGames(game::frmmain &form, int games)
{
    report("vm_rss_kb_at_0", double(statusKb("VmRSS")));
    for (int g = 1; g <= games; ++g) {
        form.newgame_Click();
        form.repaint();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (g == 10)
            report("vm_rss_kb_at_10", double(statusKb("VmRSS")));
        if (g == 100)
            report("vm_rss_kb_at_100", double(statusKb("VmRSS")));
    }
    report("vm_rss_kb_at_end", double(statusKb("VmRSS")));
    report("vm_hwm_kb", double(statusKb("VmHWM")));
    report("live_widgets", double(QApplication::allWidgets().size()));
}

// What runs once the first board has been painted.
void onBoard(const QString &m, game::frmmain &form)
{
    report("board_paint_ns", double(monotonicNs()));
    report("board_paint_cpu_ms", cpuSeconds() * 1000);
    if (m == QLatin1String("idle-memorise")) {
        const double seconds = argument(3);
        measureIdle(1000, seconds, [&form, seconds] {
            return form.Timer1 && form.Timer1->Enabled() && form.game().elapsedseconds() + seconds < 19;
        });
        return;
    }
    if (m == QLatin1String("memory")) {
        newGames(form, static_cast<int>(argument(1000)));
    }
    finish();
}

void attach()
{
    const QString m = mode();
    afterFirstPaint(isIntro, [m](QWidget *w) {
        report("first_paint_ns", double(monotonicNs()));
        report("first_paint_cpu_ms", cpuSeconds() * 1000);
        auto *introWindow = qobject_cast<intro::frmRadavirar *>(w);
        if (m == QLatin1String("startup"))
            finish();
        if (m == QLatin1String("idle-intro")) {
            // The title phase takes 52 ticks of 50 ms; the rules phase follows.
            QPointer<intro::frmRadavirar> intro(introWindow);
            const double seconds = argument(3);
            // How often the window paints itself in the rules phase, beside the
            // CPU it costs: counted over the measurement itself.
            auto *counter = new PaintCounter(introWindow);
            measureIdle(3300, seconds, [intro, counter] {
                counter->paints = 0;
                return intro && intro->Timer2 && intro->Timer2->Enabled() && !intro->Timer1->Enabled();
            }, [counter](double wall) { report("intro_paints_per_s", double(counter->paints) / wall); });
            return;
        }
        // Every other mode goes on to the game, as a click on Start does.
        afterFirstPaint(isMain, [m](QWidget *main) { onBoard(m, *qobject_cast<game::frmmain *>(main)); });
        const auto pressStart = [](intro::frmRadavirar *intro) {
            report("start_press_ns", double(monotonicNs()));
            report("start_press_cpu_ms", cpuSeconds() * 1000);
            intro->cmdok_Click();
        };
        if (m != QLatin1String("press")) {
            pressStart(introWindow);
            return;
        }
        // Start shows with the rules, after the title's fade; looked for every 10 ms.
        QPointer<intro::frmRadavirar> intro(introWindow);
        auto *poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, qApp, [intro, poll, pressStart] {
            if (!intro || !intro->cmdok->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            pressStart(intro);
        });
        poll->start(10);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(attach)
