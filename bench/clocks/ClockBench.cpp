// The game's clocks against the wall: a whole game runs on the real clock,
// 20 memorise ticks and 120 recall ticks, at the designed 1000 ms or at a
// shorter interval (TQ_BENCH_ARG, milliseconds). Beside it, in the same event
// loop, a repeating Qt timer of the default (coarse) kind ticks at the same
// interval as the baseline. Drift is what a clock gains or loses over 100
// ticks (see driftPer100). How late the latest tick came against its place on
// the schedule, and how far off the last tick was, are reported beside it.
#include "probe/Probe.h"

#include "game/frmmain.h"
#include "toolkit/Application.h"
#include "toolkit/MessageBox.h"

#include <QTimer>
#include <algorithm>
#include <vector>

using tqbench::report;

namespace {

double ms(long long ns) { return double(ns) / 1e6; }

// Milliseconds gained per 100 ticks: the slope of tick time over tick number,
// less the interval. The slope is the median of the slopes between every two
// ticks (Theil-Sen), so ticks that came late because the machine was busy do
// not tilt it; a clock that slips a little every tick does.
double driftPer100(const std::vector<long long> &ticks, int interval)
{
    std::vector<double> slopes;
    for (std::size_t i = 0; i < ticks.size(); ++i)
        for (std::size_t j = i + 1; j < ticks.size(); ++j)
            slopes.push_back(ms(ticks[j] - ticks[i]) / double(j - i));
    std::nth_element(slopes.begin(), slopes.begin() + long(slopes.size() / 2), slopes.end());
    return (slopes[slopes.size() / 2] - interval) * 100.0;
}

// The latest tick against the schedule that starts at `origin`.
double latestMs(const std::vector<long long> &ticks, long long origin, int interval)
{
    double latest = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i)
        latest = std::max(latest, ms(ticks[i] - origin) - double(i + 1) * interval);
    return latest;
}

} // namespace

int main(int argc, char *argv[])
{
    tk::Application app(argc, argv);
    const int interval = static_cast<int>(tqbench::argument(1000));
    const int gameTicks = 20 + 120;

    std::vector<long long> memorise, recall, coarse;
    long long scored = 0;
    tk::MessageBox::setPresenter([&](const QString &, const QString &) {
        scored = tqbench::monotonicNs();
    });

    rules::ClockSeededRandom random;
    game::frmmain &form = *new game::frmmain(random);
    form.Show();
    QCoreApplication::processEvents();
    form.Timer1->setInterval(interval);
    form.Timer2->setInterval(interval);
    const auto tick1 = form.Timer1->onTimer;
    const auto tick2 = form.Timer2->onTimer;
    form.Timer1->onTimer = [&] { memorise.push_back(tqbench::monotonicNs()); tick1(); };
    form.Timer2->onTimer = [&] { recall.push_back(tqbench::monotonicNs()); tick2(); };

    QTimer baseline;
    baseline.setTimerType(Qt::CoarseTimer);
    baseline.setInterval(interval);
    QObject::connect(&baseline, &QTimer::timeout, [&] {
        coarse.push_back(tqbench::monotonicNs());
        if (int(coarse.size()) == gameTicks)
            baseline.stop();
    });
    // Ends the run once the game has scored and the baseline has ticked as often.
    QTimer done;
    done.start(5);
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (scored > 0 && int(coarse.size()) == gameTicks)
            app.quit();
    });

    const long long start = tqbench::monotonicNs();
    baseline.start();
    form.newgame_Click();  // a fresh game: the memorise clock starts now
    QTimer::singleShot(gameTicks * interval * 2 + 5000, &app, [&app] { app.quit(); });
    app.exec();

    const bool complete = memorise.size() == 20 && recall.size() == 120 && scored > 0
        && int(coarse.size()) == gameTicks;
    report("complete", complete ? 1 : 0);
    if (!complete) {
        report("memorise_ticks", double(memorise.size()));
        report("recall_ticks", double(recall.size()));
        report("coarse_ticks", double(coarse.size()));
        tqbench::finish();
    }
    report("interval_ms", interval);
    report("memorise_wall_ms", ms(memorise.back() - start));
    report("recall_wall_ms", ms(recall.back() - memorise.back()));
    // The recall clock starts in the handler of the 20th memorise tick.
    // The game's clock as the player lives it: 20 memorise ticks, then 120
    // recall ticks on a clock started by the 20th; 140 ticks in all.
    std::vector<long long> game(memorise);
    game.insert(game.end(), recall.begin(), recall.end());
    report("game_drift_ms_per_100", driftPer100(game, interval));
    report("memorise_drift_ms_per_100", driftPer100(memorise, interval));
    report("recall_drift_ms_per_100", driftPer100(recall, interval));
    report("coarse_drift_ms_per_100", driftPer100(coarse, interval));
    report("recall_latest_tick_ms", latestMs(recall, memorise.back(), interval));
    report("recall_end_error_ms", ms(recall.back() - memorise.back()) - 120.0 * interval);
    report("coarse_end_error_ms", ms(coarse.back() - start) - double(gameTicks) * interval);
    report("score_delay_ms", ms(scored - recall.back()));
    tqbench::finish();
}
