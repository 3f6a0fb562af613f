// The readouts of the main window after every block: target, feed, tool, modal codes, program
// and sequence numbers, machining time and the spindle readouts.
#include "base/number_format.h"
#include "base/text.h"
#include "interpreter/block_execution.h"

#include <cmath>

namespace trazor {

namespace {

    // Integer part of a value for the readouts, held inside what a double can show exactly.
    double IntegerPart(double value) { return std::isfinite(value) ? std::floor(value) : 0; }

    void RefreshSpindleReadouts(Interpreter& in)
    {
        auto& st = in.st;
        const double d = st.TargetX;
        std::string speed;
        std::string cuttingSpeed;
        if (st.SpindleMode == 97) {
            speed = DecimalText(st.SpindleS);
            cuttingSpeed = DecimalText(IntegerPart(st.Pi * d * st.SpindleS / 1000));
        } else if (st.SpindleMode == 96 && d != 0) {
            double n = IntegerPart(1000 * st.SpindleS / (st.Pi * std::fabs(d)));
            if (n > st.MaxSpindle)
                n = st.MaxSpindle;
            speed = DecimalText(n);
            cuttingSpeed = DecimalText(st.SpindleS);
        } else if (st.SpindleMode == 96) {
            speed = DecimalText(st.MaxSpindle);
            cuttingSpeed = DecimalText(st.SpindleS);
        } else {
            return; // no spindle mode yet (before the first reset)
        }
        in.host.SetReadout(Readout::SpindleSpeed, 0, speed);
        in.host.SetReadout(Readout::Vspeed, 0, cuttingSpeed);
    }

} // namespace

void NoteShownMotionMode(InterpreterState& st)
{
    st.ShownMotionMode = st.MotionMode;
    if (st.MotionMode == 4)
        st.MotionMode = st.PreviousMotionMode; // a dwell shows 04 for its own block only
}

void RefreshBlockDisplays(Interpreter& in)
{
    NoteShownMotionMode(in.st);
    WriteBlockReadouts(in);
}

void WriteBlockReadouts(Interpreter& in)
{
    auto& st = in.st;
    RunHost& host = in.host;
    host.SetReadout(Readout::XA, 0, FormatFixed3(st.TargetX));
    host.SetReadout(Readout::ZA, 0, FormatFixed3(st.TargetZ));
    host.SetReadout(Readout::CAlabel, 0, FormatFixed3(st.WordC));
    host.SetReadout(Readout::FEED, 0, FormatFixed3(st.Feed));
    host.SetReadout(Readout::ToolNumber, 0, DecimalText(st.ToolWord));

    host.SetReadout(Readout::Gcode, 0, FormatTwoDigits(st.ShownMotionMode));
    host.SetReadout(Readout::Gcode, 1, DecimalText(st.DistanceMode));
    if (st.FanucMode)
        host.SetReadout(Readout::Gcode, 2, st.FeedMode == 95 ? "99" : "98");
    else
        host.SetReadout(Readout::Gcode, 2, DecimalText(st.FeedMode));
    host.SetReadout(Readout::Gcode, 3, DecimalText(st.SpindleMode));
    host.SetReadout(Readout::Gcode, 4, DecimalText(st.NoseRMode));

    host.SetReadout(Readout::Mcode, 0, FormatTwoDigits(st.SpindleMCode));
    host.SetReadout(Readout::Mcode, 1, FormatTwoDigits(st.CoolantMCode));
    host.SetReadout(Readout::Mcode, 2, std::to_string(st.OtherMCode));
    host.SetReadout(Readout::Mcode, 3, FormatTwoDigits(st.StopCode));

    host.SetReadout(Readout::ONumber, 0, ToUtf8(st.ProgramName));
    host.SetReadout(Readout::BlockNumber, 0, ToUtf8(st.SequenceNumber));
    host.SetReadout(Readout::Block, 0, DecimalText(st.BlockCount));

    const double time = st.MachiningTime;
    const double minutes = IntegerPart(time / 60);
    const double hours = IntegerPart(minutes / 60);
    host.SetReadout(Readout::Hour, 0, FormatTwoDigits(hours));
    host.SetReadout(Readout::Min, 0, FormatTwoDigits(minutes - 60 * hours));
    host.SetReadout(Readout::Sec, 0, FormatTwoDigitsFixed2(time - 60 * minutes));

    RefreshSpindleReadouts(in);

    const bool otherVisible = st.OtherMCode >= 1;
    host.SetReadoutVisible(Readout::Mcode, 2, otherVisible);
    host.SetReadoutVisible(Readout::Label2, 7, otherVisible);
    const bool stopVisible = st.StopCode > 0;
    host.SetReadoutVisible(Readout::Mcode, 3, stopVisible);
    host.SetReadoutVisible(Readout::Label2, 8, stopVisible);
}

} // namespace trazor
