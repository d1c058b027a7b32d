#pragma once
// The game's two clocks, tick by tick: the memorise count of 20 seconds, and
// the recall clock of 2 minutes with its time passed and time remaining.

namespace rules {

constexpr int memoriseSeconds = 20;
constexpr int recallMinutes = 2;

// The memorise count after one more tick, and whether the memorise time is over.
struct MemoriseTick {
    int count;
    bool over;
};
MemoriseTick memoriseTick(int count);

// The recall clock's four figures.
struct RecallTime {
    int elapsedSeconds = 0;
    int elapsedMinutes = 0;
    int remainingSeconds = 60;
    int remainingMinutes = 1;
    bool operator==(const RecallTime &) const = default;
};

// The recall clock after one more tick: its figures, whether the minutes
// remaining are shown anew (not once they have run out), and whether the
// time is up. After tick n the figures read n seconds passed and 120 - n
// seconds remaining.
struct RecallTick {
    RecallTime time;
    bool showsRemainingMinutes;
    bool timeUp;
};
RecallTick recallTick(RecallTime before);

} // namespace rules
