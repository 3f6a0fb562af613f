// G0 and G1: end points (U and W, the rapid clamp), the drawn segment, the move length and the
// time; the tool change at a rapid move (colours, clear, 0.5 s) and the tool label. Rapid times
// are the longer axis travel (X as a radius) at 12000 mm/min.
#include "display/path_display.h"
#include "drawn_legs.h"
#include "interpreter/messages.h"
#include "primitive_kinds.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace trazor {
namespace {

    using testing::ExpectLegs;
    using testing::PlaceTool;
    using testing::PrimitivesOf;
    using testing::TestRig;

    struct MoveCase {
        const char* name;
        double fromX, fromZ;
        std::string_view block;
        double toX, toZ;
        float length;
        float seconds;
        std::string_view message = "";
    };

    TEST(ExecuteRapid, EndPointLengthAndTime)
    {
        const MoveCase cases[] = {
            { "X travel 40 of radius beats Z travel 5", 100, 50, "G0 X20 Z45", 20, 45, 40, 0.2F },
            { "Z travel 120 beats X travel 5", 100, 50, "G0 X90 Z-70", 90, -70, 120, 0.6F },
            { "X clamped at PVLX", 400, 0, "G0 X600", 500, 0, 50, 0.25F },
            { "U replaces the X word", 50, 0, "G0 X80 U-10", 40, 0, 5, 0.025F },
            { "no travel, no time", 50, 0, "G0 X50 Z0", 50, 0, 0, 0 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PlaceTool(rig.st(), c.fromX, c.fromZ);
            rig.Block(c.block);
            EXPECT_EQ(rig.st().TargetX, c.toX);
            EXPECT_EQ(rig.st().TargetZ, c.toZ);
            EXPECT_FLOAT_EQ(rig.st().MoveLength, c.length);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.st().StopCode, StopNone);
            ExpectLegs(rig.trace, rig.st(), { { c.fromX, c.fromZ, c.toX, c.toZ, true } });
            EXPECT_EQ(rig.trace.GetLineStyle(), LineStyle::Solid); // restored after the dotted line
        }
    }

    TEST(ExecuteLinear, EndPointLengthAndTime)
    {
        const MoveCase cases[] = {
            // 30 of radius and 40 of Z: 50 mm at 100 mm/min.
            { "taper", 100, 0, "G94 G1 X40 Z-40 F100", 40, -40, 50, 30 },
            // 5 of radius and 5 of Z: sqrt(50) mm, 0.6 s per mm.
            { "U replaces the X word", 50, 0, "G94 G1 X80 U-10 Z-5 F100", 40, -5, 7.0710678F, 4.2426407F },
            { "F0: drawn, not timed, no message", 50, 0, "G94 G1 Z-10 F0", 50, -10, 10, 0 },
            // 300000 / (pi x 10.999) = 8682 rpm at the mean diameter, held at 5000 after the
            // warning: 5 mm at 0.2 mm/rev.
            { "G96 without G50", 10, 0, "G1 G95 G96 X0 S150 F0.2", 0, 0, 5, 0.3F,
                trazor_texts::NoMaxSpindle },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            PlaceTool(rig.st(), c.fromX, c.fromZ);
            rig.Block(c.block);
            EXPECT_EQ(rig.st().TargetX, c.toX);
            EXPECT_EQ(rig.st().TargetZ, c.toZ);
            EXPECT_FLOAT_EQ(rig.st().MoveLength, c.length);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, c.seconds);
            EXPECT_EQ(rig.host.statusMessage, c.message);
            EXPECT_EQ(rig.st().StopCode, c.message.empty() ? StopNone : StopError);
            ExpectLegs(rig.trace, rig.st(), { { c.fromX, c.fromZ, c.toX, c.toZ, false } });
            const auto pixels = PrimitivesOf(rig.trace, Primitive::Kind::Pixel);
            ASSERT_EQ(pixels.size(), 1U);
            EXPECT_EQ(pixels[0].u1, c.toZ);
            EXPECT_EQ(pixels[0].v1, -c.toX / 2);
            EXPECT_EQ(pixels[0].colour, rig.st().FeedColour);
        }
    }

    // Zero-length rapid moves at the reference point, so only the tool change takes time.
    TEST(ExecuteRapid, ToolChange)
    {
        struct Step {
            std::string_view block;
            float seconds; // total after the block
            int colourIndex; // next colour of the per-tool cycle after the block
            std::size_t clears; // clears of the path surface so far
        };
        const Step steps[] = {
            { "G0 T0101", 0.5F, 2, 1 }, // a new tool: colours, clear and time
            { "G0 T0102", 1.0F, 2, 1 }, // tool 1 with another offset: time only
            { "G0 T0102", 1.0F, 2, 1 }, // no change
            { "G0 T0202", 1.5F, 3, 2 },
            { "G0 T010202", 2.0F, 3, 2 }, // the last four digits "0202" still name tool 2
        };
        TestRig rig;
        rig.st().ColourPerTool = true;
        rig.st().ClearPerTool = true;
        for (const auto& s : steps) {
            SCOPED_TRACE(s.block);
            rig.Block(s.block, true);
            EXPECT_FLOAT_EQ(rig.st().MachiningTime, s.seconds);
            EXPECT_EQ(rig.st().ToolColourIndex, s.colourIndex);
            EXPECT_EQ(PrimitivesOf(rig.trace, Primitive::Kind::Clear).size(), s.clears);
            EXPECT_EQ(rig.st().PrevToolWord, rig.st().ToolWord);
        }
    }

    struct LabelCase {
        const char* name;
        std::u16string turret;
        std::vector<std::string_view> blocks; // from X100 Z50
        std::vector<std::string> texts;
        std::vector<SurfacePoint> at;
        double labelCount;
    };

    // The label window of the rig's surface: model window from (-20, -100), 400 mm across on a
    // surface at offset 0, so labels appear for u in (-20, 60) and v in (-100, -44).
    TEST(ExecuteRapid, ToolLabel)
    {
        const LabelCase cases[] = {
            // 1/50 of the way back to the start: Z 0 + 50 / 50, X 200 - 100 / 50.
            { "the X word places it, not U", u"B", { "G0 X200 Z0 U-100 T0101" }, { "TB 101" }, { { 1, -99 } },
                2 },
            // A second rapid move with the same tool prints nothing, although its label point
            // (48, -52) lies inside; the next tool's label stands 2/50 of the way back:
            // Z 50 - 100 / 50, X 100 + 200 / 50.
            { "one label per tool", u"A",
                { "G0 X200 Z0 T0101", "G0 X100 Z50", "G0 X200 Z0", "G0 X100 Z50 T0202" },
                { "TA 101", "TA 202" }, { { 1, -99 }, { 48, -52 } }, 3 },
            // Z 99 lies right of the window: the label waits for a later rapid move inside it.
            { "outside the window", u"A", { "G0 X100 Z100 T0101", "G0 X200 Z0" }, { "TA 101" },
                { { 2, -99 } }, 2 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().ToolLabelOn = true;
            rig.st().ClearPerTool = true;
            rig.st().CoordinateDisplayOn = false;
            rig.st().TurretName = c.turret;
            rig.trace.SetModelWindow({ -20, -100, 400, 280 });
            PlaceTool(rig.st(), 100, 50);
            for (auto block : c.blocks)
                rig.Block(block, true);
            // The vertical ruler's labels (9 pt) stand on the path surface too.
            std::vector<Primitive> texts;
            for (const Primitive& p : PrimitivesOf(rig.trace, Primitive::Kind::Text))
                if (p.fontSize != 9)
                    texts.push_back(p);
            ASSERT_EQ(texts.size(), c.texts.size());
            for (std::size_t i = 0; i < texts.size(); ++i) {
                EXPECT_EQ(texts[i].text, c.texts[i]);
                EXPECT_DOUBLE_EQ(texts[i].u1, c.at[i].u);
                EXPECT_DOUBLE_EQ(texts[i].v1, c.at[i].v);
                EXPECT_EQ(texts[i].fontSize, 12);
                EXPECT_EQ(texts[i].colour, rig.st().MarkColour);
            }
            EXPECT_EQ(rig.st().LabelCount, c.labelCount);
            // The pane was cleared at the last tool change, before its label was printed.
            std::vector<std::string> shown;
            for (const Primitive& p : rig.trace.SinceLastClear())
                if (p.kind == Primitive::Kind::Text && p.fontSize != 9)
                    shown.push_back(p.text);
            EXPECT_EQ(shown, std::vector<std::string> { c.texts.back() });
        }
    }

} // namespace
} // namespace trazor
