// Time of a cutting move at the programmed feed. Under G95 the feed is per revolution, so the time
// depends on the spindle speed: S itself under G97, or under G96 the speed that gives the cutting
// speed S (m/min) at the mean diameter of the move, never above the G50 ceiling.
#include "motion/feed_time.h"

#include "interpreter/messages.h"

#include <cmath>
#include <limits>

namespace trazor {

namespace {

    // A time that is not finite (feed 0, a zero diameter sum under G96) or a total beyond the
    // float range is a calculation error and adds nothing.
    FeedTimeOutcome AddSeconds(InterpreterState& st, double seconds)
    {
        return StoreSingle(st.MachiningTime, st.MachiningTime + seconds) ? FeedTimeOutcome::Added
                                                                         : FeedTimeOutcome::CalculationError;
    }

} // namespace

bool StoreSingle(float& field, double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return false;
    field = static_cast<float>(value);
    return true;
}

FeedTimeOutcome ApplyFeedTimeRule(
    Interpreter& in, double length, double xStart, double xEnd, double diameterGuard)
{
    auto& st = in.st;
    if (st.FeedMode != 95)
        return AddSeconds(st, 60 * length / st.Feed);

    if (st.SpindleS <= 0) {
        FailBlock(in, trazor_texts::SpindleZero);
        return FeedTimeOutcome::SpindleZero;
    }
    if (st.MaxSpindle == 0) {
        // Warn once per run: the ceiling keeps 5000 until the next reset.
        FailBlock(in, trazor_texts::NoMaxSpindle);
        st.MaxSpindle = DefaultMaxSpindle;
    }
    double rpm = st.SpindleS;
    if (st.SpindleMode != 97) {
        rpm = 2 * (1000 * st.SpindleS / st.Pi) / std::fabs(xEnd + xStart + diameterGuard);
        if (!std::isfinite(rpm))
            return FeedTimeOutcome::CalculationError;
    }
    if (rpm > st.MaxSpindle)
        rpm = st.MaxSpindle;
    return AddSeconds(st, 60 * length / (st.Feed * rpm));
}

bool AddFeedTime(Interpreter& in, double length, double xStart, double xEnd, double diameterGuard)
{
    return ApplyFeedTimeRule(in, length, xStart, xEnd, diameterGuard) == FeedTimeOutcome::Added;
}

} // namespace trazor
