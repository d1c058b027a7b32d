#include "rules/Clocks.h"

namespace rules {

MemoriseTick memoriseTick(int count)
{
    return {count + 1, count + 1 == memoriseSeconds};
}

RecallTick recallTick(RecallTime t)
{
    t.elapsedSeconds += 1;
    if (t.elapsedSeconds % 60 == 0) {
        t.elapsedSeconds = 0;
        t.elapsedMinutes += 1;
    }
    // The seconds remaining wrap before they count down, so that the minute
    // that is left shows as 1 and 0, not as 0 and 0.
    if (t.remainingSeconds == 0) {
        t.remainingSeconds = 60;
        t.remainingMinutes -= 1;
    }
    t.remainingSeconds -= 1;
    return {t, t.remainingMinutes > -1, t.elapsedMinutes == recallMinutes};
}

} // namespace rules
