// The execution phase of a block: completes the target, checks the minus soft limits, hands the
// block to the routine of its motion code, adds the special M-code times, refreshes the readouts,
// moves the current position and paces the run.
#include "base/number_format.h"
#include "interpreter/block_execution.h"
#include "interpreter/block_reading.h"
#include "interpreter/messages.h"
#include "motion/motion.h"

#include <cmath>

namespace trazor {

namespace {

    void ResetBlockWords(InterpreterState& st)
    {
        st.FanucUGiven = false;
        st.FanucWGiven = false;
        st.StopCode = StopNone;
        st.WordA = 0;
        st.WordR = 0;
        st.WordL = 0;
        st.WordI = 0;
        st.WordK = 0;
        st.WordD = 0;
        st.WordP = 0;
        st.WordU = 0;
        st.WordW = 0;
    }

    // A taper angle A turns one given axis of a linear move into both: the angle is measured from
    // the Z axis, and the factor 2 converts between radius and diameter.
    void ApplyTaperAngle(InterpreterState& st)
    {
        const double mode = st.MotionMode;
        if (st.WordA == 0 || mode == 31 || mode == 32 || mode == 33 || mode == 71 || mode == 72)
            return;
        double t = std::tan(st.WordA * 2 * st.Pi / 360);
        if (st.TargetX == st.CurrentX)
            st.TargetX = st.CurrentX + 2 * t * (st.TargetZ - st.CurrentZ);
        else
            st.TargetZ = st.CurrentZ + ((st.TargetX - st.CurrentX) / 2) / t;
    }

    // Returns false when the target lies on or beyond a minus soft limit (message shown).
    bool CheckMinusLimits(Interpreter& in)
    {
        if (in.st.TargetX <= in.st.LimitMinusX) {
            FailBlock(in, trazor_texts::XMinusLimit);
            return false;
        }
        if (in.st.TargetZ <= in.st.LimitMinusZ) {
            FailBlock(in, trazor_texts::ZMinusLimit);
            return false;
        }
        return true;
    }

    void Dispatch(Interpreter& in)
    {
        auto& st = in.st;
        const bool fanuc = st.FanucMode;
        const double mode = st.MotionMode;
        if (mode == 0) {
            ExecuteRapid(in);
        } else if (mode == 1 || mode == 34 || mode == 35 || (mode == 32 && fanuc)) {
            ExecuteLinear(in);
        } else if (mode == 2) {
            st.G2Mirror ? ExecuteArcCCW(in) : ExecuteArcCW(in);
        } else if (mode == 3) {
            st.G2Mirror ? ExecuteArcCW(in) : ExecuteArcCCW(in);
        } else if (mode == 4) {
            ExecuteDwell(in);
        } else if (mode == 20 || mode == 21) {
            ExecuteHomeReturn(in);
        } else if (mode == 28) {
            if (fanuc)
                ExecuteReferenceReturn(in);
        } else if (mode == 31 || mode == 33) {
            ExecuteThreadCycle(in);
        } else if (mode == 32) {
            ExecuteFaceThreadCycle(in);
        } else if (mode == 50) {
            ApplySpindleLimit(in);
            st.MotionMode = 0;
        } else if (mode == 71) {
            if (!fanuc)
                ExecuteMultiPassThreadCycle(in);
        } else if (mode == 72) {
            ExecuteMultiPassFaceThreadCycle(in);
        } else if (mode == 73) {
            ExecuteRadialPeckCycle(in);
        } else if (mode == 74) {
            ExecuteAxialPeckCycle(in);
        } else if (mode == 92) {
            if (fanuc)
                ExecuteTurningCycle(in);
        } else if (mode == 94) {
            if (fanuc)
                ExecuteFacingCycle(in);
        } else if (mode == 112) {
            ExecuteArcCW(in);
        } else if (mode == 113) {
            ExecuteArcCCW(in);
        } else if (mode == 178 || mode == 179 || mode == 181 || mode == 183 || mode == 184) {
            ExecuteDrillingCycle(in);
        } else if (mode == 180) {
            CancelDrillingCycle(in);
        }
    }

    // Time of the M codes that make the OSP control wait (chuck, tailstock, door and the like).
    void AddSpecialMCodeTime(InterpreterState& st)
    {
        if (st.FanucMode)
            return;
        const int code = st.OtherMCode;
        double seconds = 0;
        if (code == 55 || code == 56 || code == 83 || code == 84)
            seconds = 1;
        else if (code == 90 || code == 91)
            seconds = 3;
        else if (code == 290 || code == 291)
            seconds = 2;
        if (seconds > 0)
            st.MachiningTime = static_cast<float>(st.MachiningTime + seconds);
        st.OtherMCode = -1;
    }

    void UpdateCurrentPosition(InterpreterState& st)
    {
        if (st.MotionMode >= 178)
            return; // drilling cycles leave the tool where their own cycle ended
        st.CurrentX = st.TargetX < st.LimitPlusX ? st.TargetX : st.LimitPlusX;
        st.CurrentZ = st.TargetZ < st.LimitPlusZ ? st.TargetZ : st.LimitPlusZ;
    }

} // namespace

void InterpretBlock(Interpreter& in)
{
    auto& st = in.st;
    ResetBlockWords(st);
    if (!st.BatchRun) // a batch run writes its readouts when it ends
        in.host.SetReadout(Readout::Block, 0, DecimalText(st.BlockCount));
    ScannedAxes axes = ScanBlock(in);
    ExecuteBlock(in, axes);
}

void ExecuteBlock(Interpreter& in, const ScannedAxes& axes)
{
    auto& st = in.st;
    if (st.DistanceMode == 91) {
        if (axes.xGiven)
            st.TargetX += st.CurrentX;
        if (axes.zGiven)
            st.TargetZ += st.CurrentZ;
    }
    ApplyTaperAngle(st);
    if (CheckMinusLimits(in)) {
        Dispatch(in);
        if (st.MotionMode != 4)
            st.PreviousMotionMode = st.MotionMode;
    }
    AddSpecialMCodeTime(st);
    if (st.BatchRun)
        NoteShownMotionMode(st);
    else
        RefreshBlockDisplays(in);
    UpdateCurrentPosition(st);
    if (st.BatchRun)
        return;
    if (!st.SingleBlockOn && !st.FastReplay)
        WaitSeconds(in, 0.5 - st.SpeedPercent * 0.005);
    in.host.ProcessEvents();
}

void ApplySpindleLimit(Interpreter& in)
{
    if (in.st.SpindleS > 0)
        in.st.MaxSpindle = static_cast<float>(in.st.SpindleS);
}

void WaitSeconds(Interpreter& in, double seconds)
{
    if (in.st.BatchRun)
        return;
    in.host.Wait(seconds);
}

} // namespace trazor
