#include "interpreter/messages.h"
#include "interpreter/problem_list.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(ProblemList, KindsFollowTheFixedTexts)
    {
        const std::pair<std::string, ProblemKind> cases[] = {
            { std::string(trazor_texts::ZPlusLimit), ProblemKind::Limit },
            { "X20" + std::string(trazor_texts::NoDecimalPoint), ProblemKind::DecimalPoint },
            { std::string(trazor_texts::FeedZero), ProblemKind::SpindleFeed },
            { std::string(trazor_texts::DOrHZero), ProblemKind::Calculation },
            { std::string(trazor_texts::ProgramEnd), ProblemKind::Stop },
            { std::string(trazor_texts::BlockTooLong), ProblemKind::Other },
        };
        for (const auto& [text, kind] : cases)
            EXPECT_EQ(ClassifyProblem(text), kind) << text;
    }

    TEST(ProblemList, MessagesTakeTheLineAndTextOfTheirBlock)
    {
        const std::u16string text = u"G50 S2000\r\nG00 X1.\r\nG01 Z2.\r\nM02\r\n";
        ProblemCollector c;
        InterpreterState st;
        st.LoadedBlockStart = 11; // the line feed before "G00 X1."
        st.BlockText = u"\nG00 X1.";
        c.Message("");
        c.Message("a");
        c.Message("b");
        c.AfterBlock(text, st);
        st.LoadedBlockStart = 29; // "\nM02": nothing during the block, the end message after it
        c.NoteBlock(st);
        c.Message("end");
        c.Finish(text);
        ASSERT_EQ(c.problems.size(), 3U);
        EXPECT_EQ(ProblemLine(c.problems[1]), "line 2: b");
        EXPECT_EQ(c.problems[0].block, "G00 X1.");
        EXPECT_EQ(c.problems[2].line, 4);
        EXPECT_EQ(c.problems[2].block, "M02");
        // Counting back to an earlier position starts again rather than going wrong.
        LineCounter lines;
        EXPECT_EQ(lines.LineOf(text, 29), 4);
        EXPECT_EQ(lines.LineOf(text, 11), 2);
        EXPECT_EQ(lines.LineOf(text, 1000), 5);
    }

} // namespace
} // namespace trazor
