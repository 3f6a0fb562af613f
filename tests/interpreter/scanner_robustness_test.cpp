// Random byte soup through whole blocks: the scanner and the word reader must neither crash nor
// hang, whatever the text (unpaired surrogate halves, control characters, very long lines).
#include "support/test_rig.h"

#include <gtest/gtest.h>

#include <random>

namespace trazor {
namespace {

    using testing::TestRig;

    std::u16string RandomBlock(std::mt19937& random, std::size_t length)
    {
        // Mostly characters the scanner acts on, with a share of arbitrary code units.
        static const std::u16string alphabet = u"XZUWIKRFLDPHACYSTBGMNOV0123456789.+-*/=[](),; \t\n/\u3000\uFF08\uFF09xEJQ";
        std::uniform_int_distribution<int> pick(0, 99);
        std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
        std::uniform_int_distribution<int> unit(0, 0xFFFF);
        std::u16string text;
        text.reserve(length);
        for (std::size_t i = 0; i < length; ++i)
            text += pick(random) < 85 ? alphabet[letter(random)] : static_cast<char16_t>(unit(random));
        return text;
    }

    TEST(ScannerRobustness, RandomBlocksInEveryDialectAndUnit)
    {
        std::mt19937 random(20261207);
        std::uniform_int_distribution<std::size_t> shortLength(0, 80);
        for (int round = 0; round < 8; ++round) {
            TestRig rig;
            rig.st().FanucMode = round % 2 == 1;
            rig.st().Unit = 1 + round / 2;
            rig.st().BlockDeleteOn = round % 3 == 0;
            for (int i = 0; i < 400; ++i) {
                rig.st().BlockText = RandomBlock(random, shortLength(random));
                InterpretBlock(rig.in);
                ASSERT_GE(rig.st().ScanPos, 0);
            }
        }
    }

    TEST(ScannerRobustness, VeryLongLines)
    {
        std::mt19937 random(7);
        TestRig rig;
        for (std::size_t length : { std::size_t { 32766 }, std::size_t { 32767 }, std::size_t { 32768 },
                 std::size_t { 100000 } }) {
            rig.st().BlockText = RandomBlock(random, length);
            InterpretBlock(rig.in);
        }
        // One long expression and one long comment.
        rig.st().BlockText = u"X" + std::u16string(30000, u'1');
        InterpretBlock(rig.in);
        rig.st().BlockText = u"X" + std::u16string(15000, u'+') ;
        InterpretBlock(rig.in);
        rig.st().BlockText = u"(" + std::u16string(30000, u'X');
        InterpretBlock(rig.in);
        EXPECT_TRUE(rig.st().InComment);
    }

} // namespace
} // namespace trazor
