#pragma once
// What the whole-process benchmarks read from inside a running program: the
// moment a window's first frame has been painted and handed to the window
// system, the CPU time used, and the memory held. The same code watches the
// bare program and the game, so their figures compare like with like.
#include <QString>
#include <functional>

class QWidget;

namespace tqbench {

// Nanoseconds on the system's monotonic clock, the same scale the harness
// reads before it starts the process.
long long monotonicNs();
// User plus system CPU time of this process, in seconds.
double cpuSeconds();
// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when unknown.
long statusKb(const char *field);

// Runs `then` once, after the first paint of a top-level widget accepted by
// `match` has been done and flushed (the next turn of the event loop).
// Needs a running application object.
void afterFirstPaint(std::function<bool(QWidget *)> match, std::function<void(QWidget *)> then);

// After `delayMs`, measures the CPU this process uses over `seconds` of wall
// time, reports it as "idle_cpu_percent" (of one core) and ends the process.
// `ready`, asked when the measurement starts, reports whether the program is
// in the state to be measured ("idle_state_ok" 1 or 0); `atEnd`, if given,
// reports what else the measured seconds (their wall time given) saw.
void measureIdle(int delayMs, double seconds, std::function<bool()> ready,
                 std::function<void(double wall)> atEnd = {});

// Writes "key value" as one line to standard output, at once.
void report(const char *key, double value);
// Ends the process at once, without tearing anything down.
[[noreturn]] void finish();

// The mode the harness asks for (environment variable TQ_BENCH_MODE) and its
// number argument (TQ_BENCH_ARG, default `fallback`).
QString mode();
double argument(double fallback);

} // namespace tqbench
