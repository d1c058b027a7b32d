// In-process figures of the main window, side by side with their floor:
//   NewGame   teardown, draw and build of the 15 slots with their pictures
//             fitted, and the paint of the new board
//   Floor     the bare work a board cannot do without: decode the same 15
//             pictures with QImageReader and smooth-scale the ones the board
//             shrinks to the size it shows them at
//   Submit    checking 15 answers, uncovering the recalled pictures, the
//             report (message box seam) and the paint
//   GiveUp    uncovering all 15 pictures and the paint
// Every repetition times one operation, so the statistics (median, p99, min,
// max) are those of single operations. Timers stand still: the clock never moves.
#include "catalog/ImageList.h"
#include "game/Commonfunction.h"
#include "rules/Draw.h"
#include "game/frmmain.h"
#include "toolkit/Application.h"
#include "toolkit/Clock.h"
#include "toolkit/MessageBox.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <random>

namespace {

// A clock that never moves: no timer ticks while the operations are timed.
class StillClock : public tk::Clock {
public:
    qint64 now() const override { return 1000; }
};

// The same sequence of draws for the game and for its floor.
class SeededSource : public rules::RandomSource {
public:
    void randomize() override {}
    float rnd() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }
    void reset() { m_engine.seed(20240601u); }

private:
    std::mt19937 m_engine{20240601u};
};

SeededSource &draws()
{
    static SeededSource source;
    return source;
}

game::frmmain *form = nullptr;
int boxes = 0;  // message boxes "shown"

// Wall time, and the CPU time of this thread (what the code costs, without
// the time other programs on a shared machine take from it).
struct Stamp {
    std::chrono::steady_clock::time_point wall;
    double cpu;
};

struct Clock {
    static Stamp now()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return {std::chrono::steady_clock::now(), double(ts.tv_sec) + double(ts.tv_nsec) / 1e9};
    }
};

// Records one operation: wall time as the benchmark's time, CPU time as a counter.
double seconds(const Stamp &a, const Stamp &b, benchmark::State *state = nullptr)
{
    if (state)
        state->counters["cpu_ms"] = (b.cpu - a.cpu) * 1000.0;
    return std::chrono::duration<double>(b.wall - a.wall).count();
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_NewGame(benchmark::State &state)
{
    for (auto _ : state) {
        const auto t0 = Clock::now();
        form->newgame_Click();
        form->repaint();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t0, t1, &state));
        settle();
    }
}

// The size a board shows a picture of `size` pixels at, as the fitting makes it.
QSize shownSize(QSize size)
{
    const QSize box(94, 94);  // 1410 twips
    if (size.width() < box.width() && size.height() < box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio);
}

std::array<QByteArray, 16> nextFloorSet()
{
    // The floor's own run of the same draw, so both see the same pictures.
    static SeededSource source;
    const rules::Fifteen<int> drawn = rules::drawPictures(source);
    std::array<QByteArray, 16> files;
    for (int s = 1; s <= 15; ++s)
        files[s] = catalog::ImageList::instance().encoded(drawn[s]);
    return files;
}

void BM_Floor(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const auto files = nextFloorSet();
        state.ResumeTiming();
        const auto t0 = Clock::now();
        for (int s = 1; s <= 15; ++s) {
            QBuffer buffer;
            buffer.setData(files[s]);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            QImage image = reader.read();
            const QSize shown = shownSize(image.size());
            if (shown != image.size())
                image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            benchmark::DoNotOptimize(image.constBits());
        }
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t0, t1, &state));
    }
}

// A game in its recall phase with 10 right answers, a repeat and 4 wrong ones.
void recallWithAnswers()
{
    form->newgame_Click();
    form->stratwrite();
    for (int box = 1; box <= 10; ++box)
        form->txtanswer(box).setText(form->game().chosenword(box));
    form->txtanswer(11).setText(form->game().chosenword(1));
    for (int box = 12; box <= 15; ++box)
        form->txtanswer(box).setText(QStringLiteral("WRONG"));
    form->repaint();
    settle();
}

void BM_Submit(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        recallWithAnswers();
        state.ResumeTiming();
        const auto t0 = Clock::now();
        form->cmdsubmit_Click();
        form->repaint();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t0, t1, &state));
    }
}

void BM_GiveUp(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        recallWithAnswers();
        state.ResumeTiming();
        const auto t0 = Clock::now();
        form->cmdgiveup_Click();
        form->repaint();
        const auto t1 = Clock::now();
        state.SetIterationTime(seconds(t0, t1, &state));
    }
}

double percentile(const std::vector<double> &values, double p)
{
    std::vector<double> v(values);
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

void configure(benchmark::internal::Benchmark *b, int repetitions)
{
    b->Iterations(1)
        ->Repetitions(repetitions)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("p99", [](const std::vector<double> &v) { return percentile(v, 0.99); })
        ->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });
}

} // namespace

int main(int argc, char *argv[])
{
    tk::Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const int repetitions = qEnvironmentVariableIntValue("TQ_BENCH_REPETITIONS") > 0
        ? qEnvironmentVariableIntValue("TQ_BENCH_REPETITIONS")
        : 200;

    StillClock clock;
    tk::Clock::setCurrent(&clock);
    tk::MessageBox::setPresenter([](const QString &, const QString &) { ++boxes; });
    form = new game::frmmain(draws());
    form->Show();
    settle();
    // A few games first, as a player's later games come after others.
    for (int i = 0; i < 5; ++i) {
        form->newgame_Click();
        form->repaint();
        settle();
    }

    configure(benchmark::RegisterBenchmark("NewGame", BM_NewGame), repetitions);
    configure(benchmark::RegisterBenchmark("Floor", BM_Floor), repetitions);
    configure(benchmark::RegisterBenchmark("Submit", BM_Submit), repetitions);
    configure(benchmark::RegisterBenchmark("GiveUp", BM_GiveUp), repetitions);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tk::MessageBox::setPresenter(nullptr);
    std::_Exit(boxes > 0 ? 0 : 1);
}
