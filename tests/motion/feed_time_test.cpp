// The feed-time rule on its own: feed per minute, feed per revolution at a fixed speed and at
// constant surface speed, the G50 ceiling and the three ways the rule adds no time. Expected
// times are 60 x length / feed, or 60 x length / (feed x rpm), worked out by hand; every case
// starts from 10 s already accumulated.
#include "interpreter/messages.h"
#include "motion/feed_time.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string_view>

namespace trazor {
namespace {

    using testing::TestRig;

    struct FeedTimeCase {
        const char* name;
        double feedMode, spindleMode, spindleS, feed;
        float maxSpindle;
        double length, xStart, xEnd;
        FeedTimeOutcome outcome;
        double seconds; // added to the 10 s
        std::string_view message; // "" none
        float maxSpindleAfter;
        double guard = DiameterGuard;
    };

    TEST(ApplyFeedTimeRule, TimeMessagesAndCeiling)
    {
        constexpr auto Added = FeedTimeOutcome::Added;
        constexpr auto Error = FeedTimeOutcome::CalculationError;
        constexpr double Pi = 3.14159265358979;
        const FeedTimeCase cases[] = {
            { "G94: 20 mm at 100 mm/min", 94, 97, 0, 100, 0, 20, 50, 50, Added, 12, "", 0 },
            { "G95 G97: 10 mm at 0.2 mm/rev, 1000 rpm", 95, 97, 1000, 0.2, 2000, 10, 50, 50, Added, 3, "",
                2000 },
            { "G95 G97: the G50 ceiling applies too", 95, 97, 3000, 0.2, 2000, 10, 50, 50, Added, 1.5, "",
                2000 },
            // Diameter sum 50 + 49.001 + 0.999 = 100: 300000 / (pi x 100) rpm, so 10 mm at
            // 0.2 mm/rev take pi seconds.
            { "G96 at the mean diameter", 95, 96, 150, 0.2, 5000, 10, 50, 49.001, Added, Pi, "", 5000 },
            // Facing to X0: 300000 / (pi x 10.999) = 8682 rpm, held at 2000.
            { "G96 facing to X0 meets the ceiling", 95, 96, 150, 0.2, 2000, 5, 10, 0, Added, 0.75, "", 2000 },
            { "G96 without G50: warned, timed at 5000 rpm", 95, 96, 150, 0.2, 0, 5, 10, 0, Added, 0.3,
                trazor_texts::NoMaxSpindle, 5000 },
            { "G97 without G50: S below 5000 is kept", 95, 97, 1000, 0.2, 0, 10, 50, 50, Added, 3,
                trazor_texts::NoMaxSpindle, 5000 },
            // The spindle check comes first, so no G50 warning and no ceiling set.
            { "G95 with S0", 95, 97, 0, 0.2, 0, 10, 50, 50, FeedTimeOutcome::SpindleZero, 0,
                trazor_texts::SpindleZero, 0 },
            { "G96 with a diameter sum of -0.999", 95, 96, 150, 0.2, 2000, 5, -0.999, 0, Error, 0, "", 2000 },
            { "a 1 mm guard with a diameter sum of -1", 95, 96, 150, 0.2, 2000, 5, -1, 0, Error, 0, "", 2000,
                1 },
            { "G95 with F0", 95, 97, 1000, 0, 2000, 10, 50, 50, Error, 0, "", 2000 },
            { "G94 with F0", 94, 97, 0, 0, 0, 10, 50, 50, Error, 0, "", 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            auto& st = rig.st();
            st.FeedMode = c.feedMode;
            st.SpindleMode = c.spindleMode;
            st.SpindleS = c.spindleS;
            st.Feed = c.feed;
            st.MaxSpindle = c.maxSpindle;
            st.MachiningTime = 10;
            EXPECT_EQ(ApplyFeedTimeRule(rig.in, c.length, c.xStart, c.xEnd, c.guard), c.outcome);
            EXPECT_FLOAT_EQ(st.MachiningTime, static_cast<float>(10 + c.seconds));
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.host.functionKeyMessage, c.message);
            EXPECT_EQ(st.StopCode, c.message.empty() ? StopNone : StopError);
            EXPECT_EQ(st.MaxSpindle, c.maxSpindleAfter);
        }
    }

} // namespace
} // namespace trazor
