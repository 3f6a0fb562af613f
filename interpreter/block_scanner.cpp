// The scanning phase of a block: comments, block delete, program and sequence numbers, G and M
// words with their immediate effects, and every address word with its unit scaling.
#include "base/number_format.h"
#include "base/text.h"
#include "interpreter/block_reading.h"
#include "interpreter/messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trazor {

namespace {

    bool InNumberRange(char16_t c) { return c >= u'+' && c <= u'9'; }

    char16_t CharAt(const InterpreterState& st, int pos)
    {
        return pos >= 1 && pos <= static_cast<int>(st.BlockText.size()) ? st.BlockText[pos - 1] : u'\0';
    }

    // FANUC dialect: a length or angle word written without a decimal point is an error, since
    // the control would read X100 as 0.1 mm.
    void CheckDecimalPoint(Interpreter& in, char letter, double storedValue)
    {
        if (!in.st.FanucMode || in.st.DecimalPointSeen)
            return;
        std::string text(1, letter);
        text += DecimalText(storedValue);
        text += trazor_texts::NoDecimalPoint;
        FailBlock(in, text);
    }

    // Rounds an M code to a 16-bit integer (halves to even), held inside the 16-bit range.
    std::int16_t MCodeAsInteger(double code)
    {
        if (std::isnan(code))
            return 0;
        double rounded = RoundHalfEven(code);
        if (rounded > std::numeric_limits<std::int16_t>::max())
            return std::numeric_limits<std::int16_t>::max();
        if (rounded < std::numeric_limits<std::int16_t>::min())
            return std::numeric_limits<std::int16_t>::min();
        return static_cast<std::int16_t>(rounded);
    }

    void ApplyGWord(InterpreterState& st, double value)
    {
        // The codes with effects of their own are whole numbers from 13 to 111; every other value
        // selects a motion.
        const int code
            = value >= 13 && value <= 111 && value == static_cast<int>(value) ? static_cast<int>(value) : 0;
        const bool fanuc = st.FanucMode;
        switch (code) {
        case 13:
            st.TurretFactor = 1;
            st.TurretName.assign(1, u'A');
            st.ToolWord = 0;
            st.PrevToolWord = 0;
            return;
        case 14:
            st.TurretName.assign(1, u'B');
            st.ToolWord = 0;
            st.PrevToolWord = 0;
            if (st.BTurretMinusSide) {
                st.TurretFactor = -1;
                st.LabelCount = 1;
            }
            return;
        case 40:
        case 41:
        case 42:
            st.NoseRMode = value;
            return;
        case 90:
            if (fanuc)
                st.MotionMode = 92;
            else
                st.DistanceMode = 90;
            return;
        case 91:
            st.DistanceMode = 91;
            return;
        case 94:
            if (fanuc)
                st.MotionMode = 94;
            else
                st.FeedMode = 94;
            return;
        case 95:
        case 99:
            st.FeedMode = 95;
            return;
        case 98:
            st.FeedMode = 94;
            return;
        case 96:
        case 97:
            st.SpindleMode = value;
            return;
        case 64:
        case 65:
        case 75:
        case 76:
        case 110:
        case 111:
            return; // modal codes the checker does not draw
        default:
            st.MotionMode = value;
            return;
        }
    }

    void ApplyMCode(InterpreterState& st)
    {
        const double code = st.LastMCode;
        if (code == 0) {
            st.StopCode = StopProgram;
        } else if (code == 1) {
            st.StopCode = StopOptional;
        } else if (code == 2) {
            st.StopCode = StopEnd;
            st.MachiningTime = static_cast<float>(st.MachiningTime + 0.2);
        } else if (code == 3 || code == 4 || code == 5 || code == 19) {
            st.SpindleMCode = code;
        } else if (code == 8 || code == 9) {
            st.CoolantMCode = code;
        } else if (code == 30) {
            st.StopCode = StopEnd;
        } else {
            st.OtherMCode = MCodeAsInteger(code);
        }
    }

    // Reads the value of a length or angle word into `field`; returns true when a value was
    // stored (the word was not skipped).
    enum class Scaling { None, Length, Angle };
    bool ReadInto(Interpreter& in, double& field, Scaling scaling)
    {
        ReadWordValue(in);
        if (in.st.WordText.empty())
            return false;
        double value = in.st.WordNumber;
        if (scaling == Scaling::Length)
            value = ScaleLength(in.st, value);
        else if (scaling == Scaling::Angle)
            value = ScaleAngle(in.st, value);
        field = value;
        return true;
    }

    // Comment: skips to the closing ")", which may lie in a later block; without one the position
    // ends just past the end of the block.
    void SkipComment(InterpreterState& st, int length)
    {
        st.InComment = true;
        const std::size_t close = st.BlockText.find(u')', static_cast<std::size_t>(st.ScanPos));
        if (close == std::u16string::npos) {
            st.ScanPos = length + 1;
            return;
        }
        st.ScanPos = static_cast<int>(close) + 1;
        st.InComment = false;
    }

    // The value of a G word's text: plain digits, the usual form, as an integer; anything else as
    // NumericValue reads it.
    double GCodeValue(std::u16string_view text)
    {
        if (text.empty() || text.size() > 9)
            return NumericValue(text);
        int value = 0;
        for (char16_t c : text) {
            if (c < u'0' || c > u'9')
                return NumericValue(text);
            value = value * 10 + (c - u'0');
        }
        return value;
    }

    // The text of a number word: the characters from index `first` up to `end`, copied at once;
    // the position is left on the last of them.
    void TakeNumberText(InterpreterState& st, std::size_t first, std::size_t end)
    {
        st.WordText.assign(st.BlockText, first, end - first);
        st.ScanPos = static_cast<int>(end);
    }

    void ReadAddressWord(Interpreter& in, char16_t c, ScannedAxes& axes)
    {
        auto& st = in.st;
        switch (c) {
        case u'X':
            if (ReadInto(in, st.TargetX, Scaling::Length))
                axes.xGiven = true;
            CheckDecimalPoint(in, 'X', st.TargetX);
            break;
        case u'Y':
            ReadInto(in, st.WordY, Scaling::Length);
            CheckDecimalPoint(in, 'Y', st.WordY);
            break;
        case u'Z':
            if (ReadInto(in, st.TargetZ, Scaling::Length))
                axes.zGiven = true;
            CheckDecimalPoint(in, 'Z', st.TargetZ);
            break;
        case u'C':
            ReadInto(in, st.WordC, Scaling::Angle);
            CheckDecimalPoint(in, 'C', st.WordC);
            break;
        case u'A':
            ReadInto(in, st.WordA, Scaling::Angle);
            break;
        case u'R':
            ReadInto(in, st.WordR, Scaling::None);
            CheckDecimalPoint(in, 'R', st.WordR);
            break;
        case u'F': {
            double& field = st.MotionMode == 4 ? st.DwellF : st.Feed;
            ReadInto(in, field, Scaling::Length);
            CheckDecimalPoint(in, 'F', field);
            break;
        }
        case u'L':
            ReadInto(in, st.WordL, Scaling::Length);
            break;
        case u'D':
            ReadInto(in, st.WordD, Scaling::Length);
            break;
        case u'P':
            ReadInto(in, st.WordP, Scaling::Length);
            break;
        case u'H':
            ReadInto(in, st.WordH, Scaling::Length);
            break;
        case u'I':
            // "IF" is a statement: the I is left alone and the F is read as the next word.
            if (CharAt(st, st.ScanPos + 1) != u'F') {
                ReadInto(in, st.WordI, Scaling::Length);
                CheckDecimalPoint(in, 'I', st.WordI);
            }
            break;
        case u'K':
            ReadInto(in, st.WordK, Scaling::Length);
            CheckDecimalPoint(in, 'K', st.WordK);
            break;
        case u'U':
            ReadInto(in, st.WordU, Scaling::Length);
            if (st.FanucMode)
                st.FanucUGiven = true;
            CheckDecimalPoint(in, 'U', st.WordU);
            break;
        case u'W':
            ReadInto(in, st.WordW, Scaling::Length);
            if (st.FanucMode)
                st.FanucWGiven = true;
            CheckDecimalPoint(in, 'W', st.WordW);
            break;
        default:
            break;
        }
    }

} // namespace

void ReadGNumber(Interpreter& in)
{
    auto& st = in.st;
    const std::u16string& text = st.BlockText;
    const std::size_t first
        = static_cast<std::size_t>(std::clamp<int>(st.ScanPos, 0, static_cast<int>(text.size())));
    std::size_t end = first;
    while (end < text.size() && InNumberRange(text[end]))
        ++end;
    TakeNumberText(st, first, end);
}

void ReadNumberText(Interpreter& in)
{
    auto& st = in.st;
    const std::u16string& text = st.BlockText;
    const std::size_t first
        = static_cast<std::size_t>(std::clamp<int>(st.ScanPos, 0, static_cast<int>(text.size())));
    // Up to a blank, or past the number to the first character that cannot continue it; what
    // stands before the number (a letter of the program name, say) belongs to the text.
    bool started = false;
    std::size_t end = first;
    for (; end < text.size(); ++end) {
        const char16_t c = text[end];
        if (c == u' ' || c == u'\t')
            break;
        if (InNumberRange(c))
            started = true;
        else if (started)
            break;
    }
    TakeNumberText(st, first, end);
}

ScannedAxes ScanBlock(Interpreter& in)
{
    auto& st = in.st;
    ScannedAxes axes;
    const int length = static_cast<int>(st.BlockText.size());
    st.BlockLength = length;
    if (length > MaxBlockLength) {
        FailBlock(in, trazor_texts::BlockTooLong);
        return axes;
    }

    const char16_t* const text = st.BlockText.data();
    for (st.ScanPos = 1; st.ScanPos <= length; ++st.ScanPos) {
        // Inside the block by the loop's condition; a reader that takes the rest leaves the
        // position past the end, which ends the loop.
        const char16_t c = text[st.ScanPos - 1];
        if (c == u'(' || st.InComment) {
            SkipComment(st, length);
            continue;
        }
        switch (c) {
        case u' ':
        case u'\t':
        case u'\n': // the line feed a block after the first begins with
            break;
        case u')':
            st.InComment = false;
            break;
        case u'O':
            if (st.ScanPos <= 2) {
                ReadNumberText(in);
                st.ProgramName = st.WordText;
            }
            // "OG" never starts a G word.
            if (CharAt(st, st.ScanPos + 1) == u'G')
                ++st.ScanPos;
            break;
        case u'/':
            if (st.BlockDeleteOn && st.ScanPos <= 7)
                st.ScanPos = length;
            break;
        case u'N':
            ReadNumberText(in);
            st.SequenceNumber = st.WordText;
            break;
        case u'G':
            ReadGNumber(in);
            st.LastGValue = GCodeValue(st.WordText);
            ApplyGWord(st, st.LastGValue);
            break;
        case u'M':
            ReadWordValue(in);
            if (!st.WordText.empty())
                st.LastMCode = st.WordNumber;
            ApplyMCode(st);
            break;
        case u'S': {
            bool sb = CharAt(st, st.ScanPos + 1) == u'B';
            if (sb)
                ++st.ScanPos;
            ReadInto(in, sb ? st.SpindleSB : st.SpindleS, Scaling::None);
            break;
        }
        case u'T':
            st.TGFlag = CharAt(st, st.ScanPos + 1) == u'G';
            if (st.TGFlag)
                ++st.ScanPos;
            if (CharAt(st, st.ScanPos + 1) == u'L')
                ++st.ScanPos;
            ReadInto(in, st.ToolWord, Scaling::None);
            break;
        case u'V':
            ReadNumberText(in);
            break;
        case u'\u3000':
            FailBlock(in, trazor_texts::FullWidthSpace);
            break;
        case u'\uFF08':
            in.host.SetStatusMessage(trazor_texts::FullWidthOpenStatus);
            in.host.SetFunctionKeyMessage(trazor_texts::FullWidthOpenFkey);
            st.StopCode = StopError;
            break;
        case u'\uFF09':
            in.host.SetStatusMessage(trazor_texts::FullWidthCloseStatus);
            in.host.SetFunctionKeyMessage(trazor_texts::FullWidthCloseFkey);
            st.StopCode = StopError;
            break;
        default:
            ReadAddressWord(in, c, axes);
            break;
        }
    }
    return axes;
}

} // namespace trazor
