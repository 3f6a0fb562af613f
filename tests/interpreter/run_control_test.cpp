// Run control over a program in the editor text: Reset, Start, Stop, Restart, the switches, the
// stop messages and batch re-runs.
#include "display/colours.h"
#include "interpreter/messages.h"
#include "interpreter/run_control.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace trazor {
namespace {

    // A host that records every executed block and can act while the run waits.
    class RecordingHost : public HeadlessHost {
    public:
        void AfterBlock() override
        {
            executed.push_back(ToUtf8(current->BlockText));
            if (afterBlock)
                afterBlock();
        }
        void Wait(double seconds) override
        {
            HeadlessHost::Wait(seconds);
            if (onWait)
                onWait();
        }
        std::vector<std::string> executed;
        const InterpreterState* current = nullptr;
        std::function<void()> onWait;
        std::function<void()> afterBlock;
    };

    struct Panel {
        RecordingSurface trace, xScale, zScale;
        RecordingHost host;
        Interpreter in { trace, xScale, zScale, host };

        explicit Panel(const char* program)
        {
            host.SetText(FromUtf8(program));
            host.current = &in.st;
        }
        // The text of the highlighted line.
        std::string Highlighted()
        {
            return ToUtf8(host.EditorText().substr(static_cast<std::size_t>(host.selectionStart),
                static_cast<std::size_t>(host.selectionLength)));
        }
        // Places the caret at the start of the 1-based line.
        void CaretToLine(int line)
        {
            const auto& text = host.EditorText();
            std::size_t pos = 0;
            for (int l = 1; l < line; ++l)
                pos = text.find(u"\r\n", pos) + 2;
            host.caret = static_cast<int>(pos);
        }
    };

    std::size_t Count(const std::vector<Primitive>& primitives, Primitive::Kind kind)
    {
        return static_cast<std::size_t>(std::count_if(
            primitives.begin(), primitives.end(), [&](const Primitive& p) { return p.kind == kind; }));
    }

    const char* TenLines = "N1 G50 X1.\r\nN2 G50 X2.\r\nN3 G50 X3.\r\nN4 G50 X4.\r\nN5 G50 X5.\r\n"
                           "N6 G50 X6.\r\nN7 G50 X7.\r\nN8 G50 X8.\r\nN9 G50 X9.\r\nN10 G50 X10.\r\n";

    TEST(RunControl, ResetLoadsAndHighlightsTheFirstLine)
    {
        Panel p("O1\r\nG0 X100.\r\nM30\r\n");
        mnuReset_Click(p.in);
        EXPECT_EQ(p.Highlighted(), "O1");
        EXPECT_EQ(p.in.st.BlockCount, 1);
        EXPECT_EQ(p.in.st.StopCode, StopReset);
        EXPECT_EQ(p.in.st.CurrentX, 500);
    }

    TEST(RunControl, EndOfTextEndsWithoutMessage)
    {
        Panel p("O1\r\nG0 X100.\r\nM30\r\n");
        mnuReset_Click(p.in);
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed, (std::vector<std::string> { "O1", "\nG0 X100.", "\nM30" }));
        EXPECT_EQ(p.host.statusMessage, "");

        Panel more("O1\r\nG0 X100.\r\nM30\r\nG0 X50.\r\n");
        mnuReset_Click(more.in);
        mnuStart_Click(more.in);
        EXPECT_EQ(more.host.executed.size(), 3U);
        EXPECT_EQ(more.host.statusMessage, trazor_texts::ProgramEnd);
        EXPECT_EQ(more.host.functionKeyMessage, trazor_texts::ProgramEnd);
        EXPECT_EQ(more.Highlighted(), "\nG0 X50.");
        // A new Start continues with the line after M30.
        mnuStart_Click(more.in);
        EXPECT_EQ(more.host.executed.back(), "\nG0 X50.");
    }

    TEST(RunControl, LastLineWithoutLineEndIsNeverTaken)
    {
        Panel p("G50 X10.\r\nG50 X20.");
        mnuReset_Click(p.in);
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 1U);
        EXPECT_EQ(p.in.st.CurrentX, 10);
    }

    TEST(RunControl, SingleBlockExecutesOneBlockPerStart)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        mnuSingleBlock_Click(p.in);
        EXPECT_TRUE(p.host.switches[RunSwitch::SingleBlock]);
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 1U);
        EXPECT_EQ(p.Highlighted(), "\nN2 G50 X2.");
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 2U);
        EXPECT_EQ(p.in.st.CurrentX, 2);
        EXPECT_EQ(p.Highlighted(), "\nN3 G50 X3.");
    }

    TEST(RunControl, StopsAtProgramAndOptionalStop)
    {
        Panel off("G50 X1.\r\nM01\r\nM00\r\nG50 X4.\r\n");
        mnuReset_Click(off.in);
        mnuStart_Click(off.in);
        EXPECT_EQ(off.host.executed.size(), 3U); // M01 passes with the switch off
        EXPECT_EQ(off.host.statusMessage, trazor_texts::ProgramStop);
        EXPECT_EQ(off.Highlighted(), "\nG50 X4.");

        Panel on("G50 X1.\r\nM01\r\nM00\r\nG50 X4.\r\n");
        mnuOptionalStop_Click(on.in);
        mnuReset_Click(on.in);
        mnuStart_Click(on.in);
        EXPECT_EQ(on.host.executed.size(), 2U);
        EXPECT_EQ(on.host.statusMessage, trazor_texts::OptionalStop);
        EXPECT_EQ(on.in.st.StopCode, StopNone);
    }

    TEST(RunControl, ErrorStopsAfterTheBlockButNotABatchRun)
    {
        const char* program = "G50 X1.\r\nG50 X2.\r\nG0 X-300.\r\nG50 X4.\r\nG50 X5.\r\n";
        Panel p(program);
        mnuReset_Click(p.in);
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 3U);
        EXPECT_EQ(p.host.statusMessage, trazor_texts::XMinusLimit);

        Panel batch(program);
        BatchRerun(batch.in, RerunForm::WholeProgram);
        EXPECT_EQ(batch.host.executed.size(), 5U);
        EXPECT_EQ(batch.in.st.CurrentX, 5);
        // The readouts show the state the batch run ended with.
        EXPECT_EQ(batch.host.Get(Readout::XA), "5.000");
        EXPECT_EQ(batch.host.Get(Readout::Block), "5");
        EXPECT_FALSE(batch.in.st.BatchRun);
    }

    TEST(RunControl, StartFromTheCaretAfterReset)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        p.CaretToLine(5);
        mnuStart_Click(p.in);
        ASSERT_GE(p.host.executed.size(), 2U);
        EXPECT_EQ(p.host.executed[0], "N1 G50 X1.");
        EXPECT_EQ(p.host.executed[1], "\nN5 G50 X5.");
        EXPECT_EQ(p.host.executed.size(), 7U);
    }

    TEST(RunControl, StartAfterTheEndRunsAgainFromTheTop)
    {
        Panel p("G50 X1.\r\nG50 X2.\r\n");
        mnuReset_Click(p.in);
        mnuStart_Click(p.in);
        EXPECT_EQ(p.in.st.BlockEndPos, 0);
        mnuStart_Click(p.in);
        // The loaded (last) block once more, then the text from the top without a reset.
        EXPECT_EQ(p.host.executed,
            (std::vector<std::string> { "G50 X1.", "\nG50 X2.", "\nG50 X2.", "G50 X1.", "\nG50 X2." }));
    }

    TEST(RunControl, RestartRunsUpToTheCaretLine)
    {
        Panel p(TenLines);
        p.in.st.SpeedPercent = 0;
        p.CaretToLine(10);
        mnuRestart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 9U);
        EXPECT_EQ(p.Highlighted(), "\nN10 G50 X10.");
        EXPECT_EQ(p.in.st.CurrentX, 9);
        EXPECT_TRUE(p.in.st.FastReplay);
        // Only the key-press feedback waited; the search itself has no pause.
        EXPECT_DOUBLE_EQ(p.host.waitedSeconds, 0.1);
        p.host.caret = 0;
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed[9], "\nN10 G50 X10.");
        EXPECT_FALSE(p.in.st.FastReplay);

        Panel first(TenLines);
        first.host.caret = 3;
        mnuRestart_Click(first.in);
        EXPECT_EQ(first.host.executed.size(), 1U);
        EXPECT_EQ(first.Highlighted(), "\nN2 G50 X2.");
    }

    TEST(RunControl, StopDuringThePauseEndsAfterThatBlock)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        p.host.onWait = [&] {
            if (p.host.executed.empty() && p.in.st.RunInProgress && p.in.st.StopCode == StopNone)
                mnuStop_Click(p.in);
        };
        p.in.st.SpeedPercent = 0;
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 1U);
        EXPECT_EQ(p.host.statusMessage, "");
        EXPECT_EQ(p.in.st.StopCode, StopPressed);
    }

    TEST(RunControl, ResetDuringARunEndsIt)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        bool resetGiven = false;
        p.host.onWait = [&] {
            if (p.host.executed.size() == 2 && !resetGiven) {
                resetGiven = true;
                mnuReset_Click(p.in);
            }
        };
        p.in.st.SpeedPercent = 0;
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed.size(), 3U);
        EXPECT_EQ(p.in.st.BlockCount, 1);
        EXPECT_EQ(p.Highlighted(), "N1 G50 X1.");
    }

    // Reset and Stop chosen while a cycle waits between its legs take effect when the block returns:
    // the block finishes against the state it started with, then the command acts. A reset in the
    // middle of the cycle would let the remaining legs draw on the cleared pane, time them on the
    // cleared clock and fail them on the cleared spindle speed, with stop code 4 hiding the reset.
    TEST(RunControl, ResetOrStopDuringACycleLegActsWhenTheBlockReturns)
    {
        const char* program = "G50 S2000\r\nG0 X100. Z20. S100\r\nG33 X90. Z-50. F2.\r\nG0 X50.\r\n";
        // Without a G50 ceiling the cycle's time warns after the legs, setting stop code 4.
        const char* warning = "G50 S0\r\nG0 X100. Z20. S100\r\nG33 X90. Z-50. F2.\r\nG0 X50.\r\n";
        struct Case {
            const char* name;
            const char* program;
            void (*command)(Interpreter&);
            int stopCode; // as the run loop saw it
            std::string highlighted; // the block loaded when the run ended
            std::vector<std::string> messages; // every message the run showed
        };
        const Case cases[] = {
            { "reset", program, mnuReset_Click, StopReset, "G50 S2000", {} },
            { "stop", program, mnuStop_Click, StopPressed, "\nG0 X50.", {} },
            // The block's own warning is shown, and the Stop, acting after it, clears it as a
            // Stop in the pause after the block would.
            { "stop before a warning", warning, mnuStop_Click, StopPressed, "\nG0 X50.",
                { std::string(trazor_texts::NoMaxSpindle) } },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            Panel p(c.program);
            mnuReset_Click(p.in);
            bool given = false;
            std::size_t clearsAtCommand = 0;
            p.host.onWait = [&] {
                // The first wait with two blocks done is the pause after the cycle's infeed leg.
                if (p.host.executed.size() == 2 && !given) {
                    given = true;
                    clearsAtCommand = Count(p.trace.Primitives(), Primitive::Kind::Clear);
                    c.command(p.in);
                }
            };
            std::size_t cycleFrom = 0, cycleTo = 0; // primitives drawn by the cycle block
            float timeOfCycle = -1; // machining time when the cycle block returned
            p.host.afterBlock = [&] {
                if (p.host.executed.size() == 2)
                    cycleFrom = p.trace.Primitives().size();
                if (p.host.executed.size() == 3) {
                    cycleTo = p.trace.Primitives().size();
                    timeOfCycle = p.in.st.MachiningTime;
                }
            };
            p.in.st.SpeedPercent = 50;
            mnuStart_Click(p.in);

            EXPECT_TRUE(given);
            EXPECT_EQ(p.host.executed.size(), 3U); // the run ended after the cycle block
            EXPECT_EQ(p.in.st.StopCode, c.stopCode);
            EXPECT_EQ(p.Highlighted(), c.highlighted);
            EXPECT_FALSE(p.in.st.RunInProgress);
            EXPECT_EQ(p.host.messageLog, c.messages);
            EXPECT_EQ(p.host.statusMessage, "");

            // The cycle block ran to its end on the state it started with: the G0 from (500, 200)
            // to (100, 20) takes the longer 200 mm radius travel at 12000 mm/min (1 s); the G33
            // adds 70 + 2 x 5 mm of rapid travel at 10000 mm/min (0.48 s) and the 70 mm thread at
            // 2 mm/rev and 100 rpm (21 s), and draws its four legs down to Z-50 and back to Z20.
            EXPECT_FLOAT_EQ(timeOfCycle, 1 + 0.48F + 21);
            const std::vector<Primitive> drawn(
                p.trace.Primitives().begin() + static_cast<std::ptrdiff_t>(cycleFrom),
                p.trace.Primitives().begin() + static_cast<std::ptrdiff_t>(cycleTo));
            EXPECT_EQ(Count(drawn, Primitive::Kind::Line), 4U);
            if (drawn.size() == 4) {
                EXPECT_DOUBLE_EQ(drawn[1].u2, -50);
                EXPECT_DOUBLE_EQ(drawn[3].u2, 20);
            } else {
                ADD_FAILURE() << drawn.size() << " primitives drawn by the cycle block";
            }

            if (c.stopCode == StopReset) {
                // One clear, by the reset, and nothing drawn on the pane after it but what a reset
                // draws; the clock and the readouts are the reset's.
                Panel fresh(c.program);
                mnuReset_Click(fresh.in);
                EXPECT_EQ(Count(p.trace.Primitives(), Primitive::Kind::Clear), clearsAtCommand + 1);
                EXPECT_EQ(p.trace.SinceLastClear().size(), fresh.trace.SinceLastClear().size());
                EXPECT_EQ(p.in.st.MachiningTime, 0);
                EXPECT_EQ(p.host.Get(Readout::Sec), "00.00");
                EXPECT_EQ(p.in.st.BlockCount, 1);
                EXPECT_EQ(p.in.st.CurrentX, 500);
            } else {
                EXPECT_FLOAT_EQ(p.in.st.MachiningTime, timeOfCycle);
                EXPECT_EQ(p.in.st.CurrentX, 100);
                EXPECT_EQ(p.in.st.CurrentZ, 20);
            }
        }
    }

    TEST(RunControl, NestedStartIsRefusedAndReRunIsQueued)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        int nestedTries = 0;
        p.host.onWait = [&] {
            if (p.in.st.RunInProgress && p.host.executed.size() == 1 && nestedTries == 0) {
                ++nestedTries;
                mnuStart_Click(p.in); // refused
                mnuRestart_Click(p.in); // refused
                BatchRerun(p.in, RerunForm::WholeProgram); // queued
            }
        };
        p.in.st.SpeedPercent = 0;
        mnuStart_Click(p.in);
        // Ten blocks of the run, then ten of the queued batch re-run.
        EXPECT_EQ(p.host.executed.size(), 20U);
        EXPECT_FALSE(p.in.st.RunInProgress);
        EXPECT_FALSE(p.in.st.BatchRun);
        EXPECT_EQ(p.in.st.PendingRerun, 0);
    }

    // Both forms of batch re-run draw the tools in the colours of a fresh run, whatever colour the
    // cycle had reached: the whole program through Reset, the replay to the caret by itself (the
    // restart's reset leaves the colour cycle alone).
    TEST(RunControl, BatchRerunsStartTheToolColoursAgain)
    {
        const char* program = "G0 T0101 X100.\r\nG0 T0202 X90.\r\nG0 T0303 X80.\r\nG0 T0404 X70.\r\n";
        struct Case {
            RerunForm form;
            int caretLine;
            int lastColour; // cycle colour of the last tool the re-run drew
        };
        // The replay to the caret in line 3 runs lines 1 and 2.
        const Case cases[] = {
            { RerunForm::WholeProgram, 1, 4 },
            { RerunForm::ReplayToCaret, 3, 2 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(static_cast<int>(c.form));
            Panel p(program);
            p.in.st.ColourPerTool = true;
            mnuReset_Click(p.in);
            mnuStart_Click(p.in); // four tools: the cycle stands at colour 5
            ASSERT_EQ(p.in.st.ToolColourIndex, 5);
            p.CaretToLine(c.caretLine);
            BatchRerun(p.in, c.form);
            EXPECT_EQ(p.in.st.ToolColourIndex, c.lastColour + 1);
            const std::vector<Primitive> drawn = p.trace.SinceLastClear();
            ASSERT_FALSE(drawn.empty());
            EXPECT_EQ(drawn.back().colour, ToolCycleColour(c.lastColour, false));
        }
    }

    TEST(RunControl, KeyPressFeedbackAndSwitches)
    {
        Panel p(TenLines);
        mnuReset_Click(p.in);
        mnuStop_Click(p.in);
        mnuClear_Click(p.in);
        EXPECT_EQ(p.host.keyPresses, (std::vector<std::pair<int, int>> { { 5, 4 }, { 4, 3 }, { 13, 10 } }));
        mnuBlockDelete_Click(p.in);
        mnuBlockDelete_Click(p.in);
        EXPECT_FALSE(p.in.st.BlockDeleteOn);
        EXPECT_FALSE(p.host.switches[RunSwitch::BlockDelete]);
        mnuAutoStart_Click(p.in);
        EXPECT_FALSE(p.in.st.AutoStartOn);
    }

    TEST(RunControl, SpeedSlider)
    {
        Panel p(TenLines);
        Slider_Scroll(p.in, 40);
        EXPECT_EQ(p.in.st.SpeedPercent, 40);
        EXPECT_EQ(SliderValueForClick(622.5), 50);
        EXPECT_EQ(SliderValueForClick(1245), 100);
        EXPECT_EQ(SliderValueForClick(90), 7);
        EXPECT_FALSE(SliderValueForClick(89).has_value());
        EXPECT_FALSE(SliderValueForClick(1300).has_value());
    }

    TEST(RunControl, TextWithoutLineEndLoadsAnEmptyBlock)
    {
        Panel p("G50 X10.");
        mnuReset_Click(p.in);
        EXPECT_TRUE(p.in.st.BlockText.empty());
        mnuStart_Click(p.in);
        EXPECT_EQ(p.host.executed, (std::vector<std::string> { "" }));
    }

} // namespace
} // namespace trazor
