// The scanning phase: comments, block delete, program and sequence numbers, G and M words, the
// FANUC decimal-point rule and the full-width character errors.
#include "interpreter/messages.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::TestRig;

    std::string NoPoint(const char* wordText)
    {
        return std::string(wordText) + std::string(trazor_texts::NoDecimalPoint);
    }

    TEST(BlockScanner, TypicalOspBlock)
    {
        TestRig rig;
        rig.st().BlockText = u"N10 G01 X20.5 Z-3. F0.2";
        ScanBlock(rig.in);
        EXPECT_EQ(rig.st().SequenceNumber, u"10");
        EXPECT_EQ(rig.st().MotionMode, 1);
        EXPECT_EQ(rig.st().TargetX, 20.5);
        EXPECT_EQ(rig.st().TargetZ, -3);
        EXPECT_EQ(rig.st().Feed, 0.2);
        EXPECT_EQ(rig.st().StopCode, StopNone);
        EXPECT_TRUE(rig.host.messageLog.empty());
    }

    TEST(BlockScanner, FanucDecimalPointMessagesInOrder)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        rig.Block("N10 G00 X20 Z-3");
        ASSERT_EQ(rig.host.messageLog.size(), 2U);
        EXPECT_EQ(rig.host.messageLog[0], NoPoint("X20"));
        EXPECT_EQ(rig.host.messageLog[1], NoPoint("Z-3"));
        EXPECT_EQ(rig.host.statusMessage, NoPoint("Z-3"));
        EXPECT_EQ(rig.host.functionKeyMessage, NoPoint("Z-3"));
        EXPECT_EQ(rig.st().StopCode, StopError);
        // The block is still executed: the tool ends at the words' target.
        EXPECT_EQ(rig.st().CurrentX, 20);
        EXPECT_EQ(rig.st().CurrentZ, -3);
    }

    TEST(BlockScanner, FanucDecimalPointRuleDetails)
    {
        struct Case {
            const char* block;
            const char* message; // "" = none
        };
        const Case cases[] = {
            { "G0 X0", "" },
            { "G0 X10.", "" },
            { "G4 U2", "U2" },
            { "G1 F1", "F1" },
            { "G0 C90", "C90" },
            { "G1 R5", "R5" },
            { "G0 Y5", "Y5" },
            { "G2 I5 K5.", "I5" },
            { "G2 I5. K5", "K5" },
            { "G0 W3", "W3" },
            { "G0 L5 D2 P3 H1 A30 S500 T0101", "" },
            { "N100 O12", "" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().FanucMode = true;
            rig.st().BlockText = FromUtf8(c.block);
            ScanBlock(rig.in); // the words only: the moves would add messages of their own
            if (*c.message) {
                EXPECT_EQ(rig.host.statusMessage, NoPoint(c.message));
            } else {
                EXPECT_TRUE(rig.host.messageLog.empty()) << rig.host.messageLog.front();
            }
        }
    }

    TEST(BlockScanner, FanucValueShownAfterUnitScaling)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        rig.st().Unit = 3;
        rig.Block("G0 X12345");
        EXPECT_EQ(rig.host.statusMessage, NoPoint("X12.345"));
    }

    TEST(BlockScanner, FanucSkippedWordStillChecked)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        rig.st().TargetX = 40;
        rig.Block("G0 XVC1");
        EXPECT_EQ(rig.host.statusMessage, NoPoint("X40"));
    }

    TEST(BlockScanner, BlockDeleteCountsTheLineFeed)
    {
        TestRig on;
        on.st().BlockDeleteOn = true;
        on.st().TargetX = 50;
        on.Block("/G0 X10", true);
        EXPECT_EQ(on.st().TargetX, 50);
        on.Block("X20 /X30", true); // words before the "/" count
        EXPECT_EQ(on.st().TargetX, 20);
        on.Block("G0 X20 /X30", true); // "/" at position 9: ignored
        EXPECT_EQ(on.st().TargetX, 30);

        TestRig off;
        off.Block("/G0 X10", true);
        EXPECT_EQ(off.st().TargetX, 10);
    }

    TEST(BlockScanner, CommentRunsAcrossBlocks)
    {
        TestRig rig;
        rig.st().TargetX = 50;
        rig.Block("(ROUGH X10", true);
        EXPECT_TRUE(rig.st().InComment);
        EXPECT_EQ(rig.st().TargetX, 50);
        rig.Block("X5 ) X7", true);
        EXPECT_FALSE(rig.st().InComment);
        EXPECT_EQ(rig.st().TargetX, 7);
        rig.Block("G0 (X1 (X2) X3", true); // "(" does not nest
        EXPECT_EQ(rig.st().TargetX, 3);
        rig.Block(") X4", true); // a stray ")" is ignored
        EXPECT_EQ(rig.st().TargetX, 4);
    }

    TEST(BlockScanner, ProgramNameOnlyAtTheStart)
    {
        TestRig rig;
        rig.Block("O1234");
        EXPECT_EQ(rig.st().ProgramName, u"1234");
        rig.Block("O5678", true); // position 2 after the line feed
        EXPECT_EQ(rig.st().ProgramName, u"5678");
        rig.Block("OABC", true);
        EXPECT_EQ(rig.st().ProgramName, u"ABC");
        rig.Block(" O9", true);
        EXPECT_EQ(rig.st().ProgramName, u"ABC");
        // "OG" never starts a G word.
        rig.st().MotionMode = 1;
        rig.Block("N1 OG0", true);
        EXPECT_EQ(rig.st().MotionMode, 1);
    }

    TEST(BlockScanner, SequenceNumberText)
    {
        TestRig rig;
        rig.Block("N100G01");
        EXPECT_EQ(rig.st().SequenceNumber, u"100");
        EXPECT_EQ(rig.st().MotionMode, 1);
    }

    TEST(BlockScanner, GWordsByDialect)
    {
        struct Case {
            bool fanuc;
            const char* block;
            double motion;
            double distance;
            double feed;
        };
        const Case cases[] = {
            { true, "G90 G0", 0, 90, 95 },
            { true, "G0 G90", 92, 90, 95 },
            { false, "G0 G90", 0, 90, 95 },
            { true, "G1 G94", 94, 90, 95 },
            { false, "G1 G94", 1, 90, 94 },
            { false, "G98", 0, 90, 94 },
            { false, "G94 G99", 0, 90, 95 },
            { false, "G1 G75 G64", 1, 90, 95 },
            { false, "G1 G20", 20, 90, 95 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.st().FanucMode = c.fanuc;
            rig.st().MotionMode = 0;
            rig.st().BlockText = FromUtf8(c.block);
            ScanBlock(rig.in);
            EXPECT_EQ(rig.st().MotionMode, c.motion);
            EXPECT_EQ(rig.st().DistanceMode, c.distance);
            EXPECT_EQ(rig.st().FeedMode, c.feed);
        }
    }

    TEST(BlockScanner, FanucG91OnlyResetBringsBackAbsolute)
    {
        TestRig rig;
        rig.st().FanucMode = true;
        rig.Block("G91");
        rig.Block("G90 X10.", true);
        EXPECT_EQ(rig.st().DistanceMode, 91);
        EXPECT_EQ(rig.st().MotionMode, 92);
    }

    TEST(BlockScanner, TurretSelection)
    {
        TestRig rig;
        rig.st().ToolWord = 101;
        rig.st().PrevToolWord = 101;
        rig.st().LabelCount = 4;
        rig.Block("G14");
        EXPECT_EQ(rig.st().TurretName, u"B");
        EXPECT_EQ(rig.st().TurretFactor, -1);
        EXPECT_EQ(rig.st().LabelCount, 1);
        EXPECT_EQ(rig.st().ToolWord, 0);
        EXPECT_EQ(rig.st().PrevToolWord, 0);
        rig.Block("G13");
        EXPECT_EQ(rig.st().TurretName, u"A");
        EXPECT_EQ(rig.st().TurretFactor, 1);

        TestRig plusSide;
        plusSide.st().BTurretMinusSide = false;
        plusSide.Block("G14");
        EXPECT_EQ(plusSide.st().TurretFactor, 1);
    }

    TEST(BlockScanner, MWordsAndTheirEffects)
    {
        TestRig rig;
        rig.Block("M03 M08");
        EXPECT_EQ(rig.st().SpindleMCode, 3);
        EXPECT_EQ(rig.st().CoolantMCode, 8);
        rig.Block("M02");
        EXPECT_EQ(rig.st().StopCode, StopEnd);
        EXPECT_FLOAT_EQ(rig.st().MachiningTime, 0.2F);
        rig.Block("M30");
        EXPECT_EQ(rig.st().StopCode, StopEnd);
        EXPECT_FLOAT_EQ(rig.st().MachiningTime, 0.2F);
        rig.Block("M00");
        EXPECT_EQ(rig.st().StopCode, StopProgram);
        rig.Block("M01");
        EXPECT_EQ(rig.st().StopCode, StopOptional);
        // MSG has no value: the previous M code is applied again.
        rig.Block("MSG (CHECK)", true);
        EXPECT_EQ(rig.st().StopCode, StopOptional);
    }

    TEST(BlockScanner, ToolWords)
    {
        TestRig rig;
        rig.Block("TG0101");
        EXPECT_TRUE(rig.st().TGFlag);
        EXPECT_EQ(rig.st().ToolWord, 101);
        rig.Block("T0202");
        EXPECT_FALSE(rig.st().TGFlag);
        EXPECT_EQ(rig.st().ToolWord, 202);
        rig.Block("TL0303");
        EXPECT_EQ(rig.st().ToolWord, 303);
    }

    TEST(BlockScanner, GotoLine)
    {
        TestRig rig;
        rig.st().TGFlag = true;
        rig.st().MotionMode = 1;
        rig.Block("GOTO N100", true);
        EXPECT_EQ(rig.st().MotionMode, 0);
        EXPECT_FALSE(rig.st().TGFlag);
        EXPECT_EQ(rig.st().SequenceNumber, u"100");
    }

    TEST(BlockScanner, IfLineLeavesIAloneAndReadsF)
    {
        TestRig rig;
        rig.st().Feed = 0.3;
        rig.Block("IF [VC1 EQ 0] GOTO N10", true);
        EXPECT_EQ(rig.st().Feed, 0);
        EXPECT_EQ(rig.st().WordI, 0);
        EXPECT_EQ(rig.st().SequenceNumber, u"10");
    }

    TEST(BlockScanner, FWordFollowsTheModeAtItsPlace)
    {
        TestRig rig;
        rig.st().Feed = 0.1;
        rig.Block("G4 F2.");
        EXPECT_EQ(rig.st().DwellF, 2);
        EXPECT_EQ(rig.st().Feed, 0.1);
        rig.Block("F3. G4");
        EXPECT_EQ(rig.st().Feed, 3);
        EXPECT_EQ(rig.st().DwellF, 2);
    }

    TEST(BlockScanner, SpindleWords)
    {
        TestRig rig;
        rig.Block("S1500 SB200");
        EXPECT_EQ(rig.st().SpindleS, 1500);
        EXPECT_EQ(rig.st().SpindleSB, 200);
    }

    TEST(BlockScanner, IgnoredCharacters)
    {
        TestRig rig;
        rig.st().TargetX = 50;
        rig.Block("x10 B5 E6 J7 Q8 VC1=10 ;");
        EXPECT_EQ(rig.st().TargetX, 50);
        EXPECT_EQ(rig.st().StopCode, StopNone);
    }

    TEST(BlockScanner, FullWidthCharactersWithBothTexts)
    {
        struct Case {
            const char* block;
            std::string_view status;
            std::string_view fkey;
        };
        const Case cases[] = {
            { "G0\u3000X10.", trazor_texts::FullWidthSpace, trazor_texts::FullWidthSpace },
            { "G0 X10.\uFF08A)", trazor_texts::FullWidthOpenStatus, trazor_texts::FullWidthOpenFkey },
            { "G0 X10.\uFF09", trazor_texts::FullWidthCloseStatus, trazor_texts::FullWidthCloseFkey },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.block);
            TestRig rig;
            rig.Block(c.block);
            EXPECT_EQ(rig.host.statusMessage, c.status);
            EXPECT_EQ(rig.host.functionKeyMessage, c.fkey);
            EXPECT_EQ(rig.st().StopCode, StopError);
            EXPECT_EQ(rig.st().TargetX, 10); // scanning goes on after the error
        }
    }

    TEST(BlockScanner, OverlongBlockIsRejectedWithoutReadingIt)
    {
        TestRig rig;
        rig.st().TargetX = 50;
        std::u16string text = u"G0 X10.";
        text.append(MaxBlockLength, u' ');
        rig.st().BlockText = text;
        InterpretBlock(rig.in);
        EXPECT_EQ(rig.host.statusMessage, trazor_texts::BlockTooLong);
        EXPECT_EQ(rig.host.functionKeyMessage, trazor_texts::BlockTooLong);
        EXPECT_EQ(rig.st().StopCode, StopError);
        EXPECT_EQ(rig.st().TargetX, 50);

        // Exactly the longest block is read.
        std::u16string longest = u"G0 X10.";
        longest.append(MaxBlockLength - longest.size(), u' ');
        rig.st().BlockText = longest;
        InterpretBlock(rig.in);
        EXPECT_EQ(rig.st().StopCode, StopNone);
        EXPECT_EQ(rig.st().TargetX, 10);
    }

} // namespace
} // namespace trazor
