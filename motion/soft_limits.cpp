// Plus soft-limit check of the moves that stop at a limit instead of being clamped to it.
#include "motion/soft_limits.h"

#include "interpreter/messages.h"

namespace trazor {

int CheckSoftLimits(Interpreter& in)
{
    int overrun = 0;
    if (in.st.TargetX >= in.st.LimitPlusX) {
        FailBlock(in, trazor_texts::XPlusLimit);
        overrun = 1;
    }
    if (in.st.TargetZ >= in.st.LimitPlusZ) {
        FailBlock(in, trazor_texts::ZPlusLimit);
        overrun = 1;
    }
    return overrun;
}

} // namespace trazor
