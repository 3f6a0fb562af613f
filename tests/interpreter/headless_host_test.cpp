// The headless host: keeping everything for the tests, or nothing for batch runs nobody watches.
#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/messages.h"
#include "interpreter/run_control.h"

#include <gtest/gtest.h>

namespace trazor {
namespace {

    TEST(HeadlessHost, KeepingNothingRunsTheSameAndKeepsOnlyTheText)
    {
        // The last line runs into the X minus limit: a message and readouts.
        const std::u16string program = u"O1\r\nG0 X100. Z10.\r\nG0 W-5.\r\nG0 X-300.\r\n";
        RecordingSurface trace, xScale, zScale;
        HeadlessHost everything(program);
        HeadlessHost nothing(std::cref(program), HostKeeping::Nothing);
        Interpreter kept(trace, xScale, zScale, everything);
        Interpreter bare(trace, xScale, zScale, nothing);
        for (Interpreter* in : { &kept, &bare })
            BatchRerun(*in, RerunForm::WholeProgram);
        EXPECT_EQ(bare.st.BlockCount, 4);
        EXPECT_EQ(bare.st.MachiningTime, kept.st.MachiningTime);
        EXPECT_EQ(
            everything.messageLog, (std::vector<std::string> { std::string(trazor_texts::XMinusLimit) }));
        EXPECT_NE(everything.Get(Readout::Block), "");
        EXPECT_TRUE(nothing.messageLog.empty());
        EXPECT_EQ(nothing.Get(Readout::Block), "");
        EXPECT_EQ(&nothing.EditorText(), &program); // the caller's text, not a copy
    }

} // namespace
} // namespace trazor
