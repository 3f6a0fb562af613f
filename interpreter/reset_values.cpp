#include "interpreter/reset_values.h"

namespace trazor {

void SetResetValues(InterpreterState& st)
{
    st.DistanceMode = 90;
    st.FeedMode = 95;
    st.SpindleMode = 97;
    st.NoseRMode = 40;
    st.MotionMode = 0;
    st.MaxSpindle = 0;
    st.DwellF = 0;
    st.TurretFactor = st.XMirror ? -1.0F : 1.0F;
    st.StopCode = StopNone;
    st.SpindleMCode = 5;
    st.CoolantMCode = 9;
    st.OtherMCode = -1;
    st.LastMCode = -1;
    st.ProgramName.clear();
    st.SequenceNumber.clear();
    st.BlockCount = 0;
    st.TargetX = st.LimitPlusX;
    st.TargetZ = st.LimitPlusZ;
    st.WordA = 0;
    st.WordC = 0;
    st.Feed = 0;
    st.SpindleS = 0;
    st.ToolWord = 0;
    st.PrevToolWord = 0;
    st.CurrentX = st.LimitPlusX;
    st.CurrentZ = st.LimitPlusZ;
    st.InComment = false;
    st.MachiningTime = 0;
    st.TurretName.assign(1, u'A');
    st.LabelCount = 1;
}

} // namespace trazor
