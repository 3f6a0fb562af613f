// Very long blocks: up to the longest block the scanner reads they are read word by word, beyond
// it they are rejected whole with the too-long message. Random text through the scanner is the
// block fuzzer's job (fuzz/block_fuzzer.cpp).
#include "interpreter/messages.h"
#include "support/test_rig.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    using testing::TestRig;

    // Whole words repeated, then blanks up to `length` characters, so the block's last word is
    // known whatever the length.
    std::u16string RepeatedWords(std::size_t length)
    {
        const std::u16string words = u"G0 X1.5 Z-2. ";
        std::u16string text;
        while (text.size() + words.size() <= length)
            text += words;
        text.resize(length, u' ');
        return text;
    }

    TEST(ScannerRobustness, LongBlocksAreReadOrRejectedWhole)
    {
        for (bool fanuc : { false, true }) {
            for (std::size_t length : { std::size_t { 32766 }, std::size_t { 32767 }, std::size_t { 32768 },
                     std::size_t { 100000 } }) {
                SCOPED_TRACE(::testing::Message() << (fanuc ? "FANUC " : "OSP ") << length);
                TestRig rig;
                rig.st().FanucMode = fanuc;
                rig.st().TargetX = 50;
                rig.st().BlockText = RepeatedWords(length);
                InterpretBlock(rig.in);
                if (length > static_cast<std::size_t>(MaxBlockLength)) {
                    EXPECT_EQ(rig.host.messageLog,
                        std::vector<std::string> { std::string(trazor_texts::BlockTooLong) });
                    EXPECT_EQ(rig.host.functionKeyMessage, trazor_texts::BlockTooLong);
                    EXPECT_EQ(rig.st().StopCode, StopError);
                    EXPECT_EQ(rig.st().TargetX, 50); // no word was read
                } else {
                    EXPECT_TRUE(rig.host.messageLog.empty()) << rig.host.messageLog.front();
                    EXPECT_EQ(rig.st().StopCode, StopNone);
                    EXPECT_EQ(rig.st().TargetX, 1.5);
                    EXPECT_EQ(rig.st().TargetZ, -2);
                }
            }
        }
    }

    // One word or one comment nearly as long as a block: read to its end without a message, and
    // the scanner goes on after a closed comment.
    TEST(ScannerRobustness, LongWordsAndCommentsAreReadToTheEnd)
    {
        struct Case {
            const char* name;
            std::u16string text;
            bool inComment; // after the block
            double targetZ;
        };
        const Case cases[] = {
            { "30000 digits", u"X" + std::u16string(30000, u'1'), false, 200 },
            { "15000 operators", u"X" + std::u16string(15000, u'+'), false, 200 },
            { "open comment", u"(" + std::u16string(30000, u'X'), true, 200 },
            { "closed comment", u"(" + std::u16string(30000, u'X') + u") Z7.", false, 7 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            TestRig rig;
            rig.st().BlockText = c.text;
            InterpretBlock(rig.in);
            EXPECT_TRUE(rig.host.messageLog.empty()) << rig.host.messageLog.front();
            EXPECT_EQ(rig.st().StopCode, StopNone);
            EXPECT_EQ(rig.st().InComment, c.inComment);
            EXPECT_EQ(rig.st().TargetZ, c.targetZ);
        }
    }

} // namespace
} // namespace trazor
