// The display switches: each flips its field and redraws the way its kind asks. A re-run of the
// whole program ends at the end of the text; the replay of single block stops at the caret's line.
#include "base/text.h"
#include "display/display_options.h"
#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/run_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace trazor {
namespace {

    struct OptionCase {
        const char* name;
        void (*command)(Interpreter&);
        std::function<bool(const InterpreterState&)> field;
        enum Rerun { Option, Simple, Always, Never } rerun;
    };

    // How the program was redrawn, told by where the run left the text: at the end (whole
    // program), at the caret's line (replay), or untouched (no re-run).
    enum class Redrawn { Whole, ToCaret, No };

    struct Panel {
        RecordingSurface trace, xScale, zScale;
        HeadlessHost host { FromUtf8("G0 X100. Z10.\r\nG1 Z0 F0.2\r\nG1 X120.\r\nG0 X200.\r\nM30\r\n") };
        Interpreter in { trace, xScale, zScale, host };

        Redrawn Run(void (*command)(Interpreter&), bool autoStart, bool singleBlock)
        {
            in.st.AutoStartOn = autoStart;
            in.st.SingleBlockOn = singleBlock;
            host.caret = 15; // start of line 2
            in.st.BlockCount = 0;
            command(in);
            if (in.st.BlockCount == 0)
                return Redrawn::No;
            return in.st.BlockEndPos == 0 || in.st.StopCode == StopEnd ? Redrawn::Whole : Redrawn::ToCaret;
        }
    };

    const OptionCase Cases[] = {
        { "colour per tool", mnuColorChange_Click, [](auto& st) { return st.ColourPerTool; },
            OptionCase::Option },
        { "tool labels", ToolNumberDisplay_Click, [](auto& st) { return st.ToolLabelOn; },
            OptionCase::Option },
        { "nose radius", mnuNoseRDisplay_Click, [](auto& st) { return st.NoseRDisplay; },
            OptionCase::Option },
        { "G40 line", mnuG40_Click, [](auto& st) { return st.G40Display; }, OptionCase::Option },
        { "background", mnuBackcolor_Click, [](auto& st) { return st.WhiteBackground; }, OptionCase::Option },
        { "arrows", mnuYajirusi_Click, [](auto& st) { return st.RapidArrowOn; }, OptionCase::Simple },
        { "vertical", mnuVertical_Click, [](auto& st) { return st.VerticalView; }, OptionCase::Simple },
        { "X mirror", mnuXmirror_Click, [](auto& st) { return st.XMirror; }, OptionCase::Simple },
        { "G2 mirror", mnuG2mirror_Click, [](auto& st) { return st.G2Mirror; }, OptionCase::Simple },
        { "B turret", mnuBturretUper_Click, [](auto& st) { return !st.BTurretMinusSide; },
            OptionCase::Simple },
        { "X grid", mnuXsnap_Click, [](auto& st) { return st.XGridOn; }, OptionCase::Always },
        { "Z grid", mnuZsnap_Click, [](auto& st) { return st.ZGridOn; }, OptionCase::Always },
        { "dialect", mnuPointCheck_Click, [](auto& st) { return st.FanucMode; }, OptionCase::Never },
        { "clear per tool", mnuTclear_Click, [](auto& st) { return st.ClearPerTool; }, OptionCase::Never },
    };

    TEST(DisplayOptions, EachSwitchFlipsAndRedrawsByItsKind)
    {
        for (const OptionCase& c : Cases) {
            SCOPED_TRACE(c.name);
            for (bool autoStart : { false, true }) {
                for (bool singleBlock : { false, true }) {
                    Panel panel;
                    const bool before = c.field(panel.in.st);
                    Redrawn redrawn = panel.Run(c.command, autoStart, singleBlock);
                    EXPECT_NE(c.field(panel.in.st), before);
                    Redrawn expected = Redrawn::No;
                    if (c.rerun == OptionCase::Always || (c.rerun == OptionCase::Simple && autoStart))
                        expected = Redrawn::Whole;
                    else if (c.rerun == OptionCase::Option && autoStart)
                        expected = singleBlock ? Redrawn::ToCaret : Redrawn::Whole;
                    EXPECT_EQ(redrawn, expected)
                        << "auto start " << autoStart << ", single block " << singleBlock;
                    // A re-run leaves no batch run behind.
                    EXPECT_FALSE(panel.in.st.BatchRun);
                }
            }
        }
    }

    TEST(DisplayOptions, ClearPerToolSetsTheSpeedAndTheLabelFilterFollowsTheList)
    {
        Panel panel;
        panel.in.st.AutoStartOn = false;
        mnuTclear_Click(panel.in);
        EXPECT_EQ(panel.in.st.SpeedPercent, 80.0f);
        mnuTclear_Click(panel.in);
        EXPECT_EQ(panel.in.st.SpeedPercent, 100.0f);

        const std::pair<int, std::pair<bool, int>> entries[]
            = { { 0, { true, 0 } }, { 1, { false, 0 } }, { 4, { true, 3 } }, { 13, { true, 12 } } };
        for (auto [index, expected] : entries) {
            PostionDisplayT_Click(panel.in, index);
            EXPECT_EQ(panel.in.st.CoordinateDisplayOn, expected.first) << index;
            if (expected.first) {
                EXPECT_EQ(panel.in.st.CoordinateToolFilter, expected.second) << index;
            }
        }
    }

} // namespace
} // namespace trazor
