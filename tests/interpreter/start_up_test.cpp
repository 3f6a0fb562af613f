// Start-up of an interpreter from the stored settings: what lands where and what is set afresh.
#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/start_up.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(StartUp, EveryFlagLandsInItsField)
    {
        // One flag at a time, so two swapped fields cannot pass (the numbers go by the store tests).
        bool SettingsValues::*flags[]
            = { &SettingsValues::PointCheck, &SettingsValues::Vertical, &SettingsValues::Xmirror,
                  &SettingsValues::G2mirror, &SettingsValues::G40Display, &SettingsValues::NoseRDisplay };
        bool InterpreterState::*fields[] = { &InterpreterState::FanucMode, &InterpreterState::VerticalView,
            &InterpreterState::XMirror, &InterpreterState::G2Mirror, &InterpreterState::G40Display,
            &InterpreterState::NoseRDisplay };
        InterpreterState st;
        for (int on = 0; on < 6; ++on) {
            SettingsValues one;
            one.*flags[on] = true;
            SetStartUpValues(st, one);
            for (int f = 0; f < 6; ++f)
                EXPECT_EQ(st.*fields[f], f == on) << on << " " << f;
        }
    }

    TEST(StartUp, StateLeftByARunGetsItsStartUpValues)
    {
        RecordingSurface trace, xScale, zScale;
        HeadlessHost host;
        Interpreter in(trace, xScale, zScale, host);
        InterpreterState& st = in.st;
        st.SpeedPercent = 20;
        st.ColourPerTool = true;
        st.RapidColour = 0x123456;
        st.CurrentX = 77;
        StartUp(in, SettingsValues {});
        EXPECT_EQ(st.SpeedPercent, 100);
        EXPECT_FALSE(st.ColourPerTool);
        EXPECT_EQ(st.RapidColour, Rgb(255, 0, 255));
        EXPECT_EQ(st.CurrentX, 0); // no reset at start-up: the tool stands at X0 until the first
        EXPECT_TRUE(trace.Primitives().empty()); // and nothing is drawn without a view asked for
    }

} // namespace
} // namespace trazor
