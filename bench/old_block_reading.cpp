// A copy of the block scanner and word readers before their one-pass rewrite (see
// old_block_reading.h). Only the names of the routines they call among themselves differ.
#include "bench/old_block_reading.h"

#include "base/number_format.h"
#include "interpreter/messages.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace trazor::old_ {

namespace {

    std::size_t WriteDecimal(std::uint64_t digits, int decimals, bool negative, char* out)
    {
        // Digits from the right: the fraction, the point, the integer part (at least "0").
        char reversed[32];
        int n = 0;
        for (int k = 0; k < decimals; ++k) {
            reversed[n++] = static_cast<char>('0' + digits % 10);
            digits /= 10;
        }
        if (decimals > 0)
            reversed[n++] = '.';
        do {
            reversed[n++] = static_cast<char>('0' + digits % 10);
            digits /= 10;
        } while (digits != 0);
        std::size_t length = 0;
        if (negative)
            out[length++] = '-';
        while (n > 0)
            out[length++] = reversed[--n];
        return length;
    }

} // namespace

namespace {

    bool IsOperator(char16_t c) { return c == u'+' || c == u'-' || c == u'*' || c == u'/'; }
    bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
    bool IsBracketOrEquals(char16_t c) { return c == u'=' || c == u'[' || c == u']'; }

    // Combines an operand into the accumulator; every intermediate result is a 32-bit float.
    // Operands of value 0 are passed over, so a division by zero never happens.
    void Combine(float& accumulator, char16_t pendingOperator, double operand)
    {
        if (operand == 0)
            return;
        double acc = accumulator;
        double result = operand;
        switch (pendingOperator) {
        case u'+':
            result = acc + operand;
            break;
        case u'-':
            result = acc - operand;
            break;
        case u'*':
            result = acc * operand;
            break;
        case u'/':
            result = acc / operand;
            break;
        default:
            break;
        }
        accumulator = static_cast<float>(result);
    }

    // A plain decimal of at most six significant digits between 1e-3 and 1e6 comes back from a
    // 32-bit float and its seven-digit text unchanged, so its text and value follow from the
    // digits alone: leading and trailing zeros dropped. Writes them and returns the length, or
    // 0 when the number is not of that kind (the general route then applies).
    std::size_t ShortDecimal(const std::u16string& number, bool negative, char* out, double& value)
    {
        std::uint64_t digits = 0;
        int significant = 0;
        int decimals = -1;
        for (char16_t c : number) {
            if (c == u'.') {
                if (decimals >= 0)
                    return 0;
                decimals = 0;
                continue;
            }
            if (c < u'0' || c > u'9')
                return 0;
            if (decimals >= 0)
                ++decimals;
            if (significant > 0 || c != u'0')
                ++significant;
            if (significant > 6)
                return 0;
            digits = digits * 10 + static_cast<std::uint64_t>(c - u'0');
        }
        if (decimals < 0)
            decimals = 0;
        while (decimals > 0 && digits != 0 && digits % 10 == 0) {
            digits /= 10;
            --decimals;
        }
        static constexpr double divisors[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10 };
        if (digits == 0 || decimals > 10)
            return 0;
        value = static_cast<double>(digits) / divisors[decimals];
        // Below 1e-3 a float's rounding can reach the seventh digit; there the general route is
        // taken.
        if (value < 1e-3 || value >= 1e6)
            return 0;
        if (negative)
            value = -value;
        return WriteDecimal(digits, decimals, negative, out);
    }

} // namespace

void ReadWordValue(Interpreter& in)
{
    auto& st = in.st;
    const std::u16string& text = st.BlockText;
    const int length = static_cast<int>(text.size());
    auto at = [&](int pos) -> char16_t { return pos >= 1 && pos <= length ? text[pos - 1] : u'\0'; };

    st.WordText.clear();
    st.DecimalPointSeen = false;
    float accumulator = 0;
    char16_t pendingOperator = 0;
    std::u16string number;

    // A letter right after the address: a statement or variable word (CALL, MSG, XVC1). Skip it
    // up to the next blank.
    char16_t next = at(st.ScanPos + 1);
    if (next >= u'A' && next <= u'Z') {
        st.ScanPos += 2;
        while (st.ScanPos <= length && !IsBlank(at(st.ScanPos)))
            ++st.ScanPos;
        st.ScanPos -= 1;
        return;
    }

    // Whether the word is one operand with at most a leading sign: the common case, read
    // without going through the float text.
    int operators = 0;
    bool leadingSign = false;
    int i = st.ScanPos + 1;
    const int first = i;
    for (;; ++i) {
        if (i > length) {
            st.ScanPos = length + 1;
            break;
        }
        char16_t c = at(i);
        if (c == u'.')
            st.DecimalPointSeen = true;
        if (IsOperator(c)) {
            char16_t after = at(i + 1);
            bool operandFollows
                = (after >= u'0' && after <= u'9') || after == u'.' || after == u'[' || after == u']';
            if (!operandFollows) {
                // The expression ends at this operator; the rest of the word up to the next
                // blank is passed over. The character right after the operator is not looked at.
                int k = i + 2;
                while (k <= length && !IsBlank(at(k)))
                    ++k;
                st.ScanPos = k;
                break;
            }
            if (operators++ == 0 && i == first && (c == u'-' || c == u'+'))
                leadingSign = true;
            Combine(accumulator, pendingOperator, NumericValue(number));
            number.clear();
            pendingOperator = c;
        }
        if (c < u'*' || (c > u'9' && !IsBracketOrEquals(c))) {
            st.ScanPos = i;
            break;
        }
        if (!IsOperator(c) && !IsBracketOrEquals(c))
            number += c;
    }

    char valueText[SingleTextCapacity];
    std::size_t valueLength = 0;
    if (operators == 0 || (operators == 1 && leadingSign)) {
        valueLength = ShortDecimal(number, pendingOperator == u'-', valueText, st.WordNumber);
        if (valueLength > 0)
            accumulator = static_cast<float>(st.WordNumber);
    }
    if (valueLength == 0) {
        Combine(accumulator, pendingOperator, NumericValue(number));
        valueLength = SingleTextAndValue(accumulator, st.WordNumber, valueText);
    }
    st.WordText.assign(valueText, valueText + valueLength);
    if (accumulator == 0)
        st.DecimalPointSeen = true;
    st.ScanPos -= 1;
}

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
        const bool fanuc = st.FanucMode;
        if (value == 13) {
            st.TurretFactor = 1;
            st.TurretName.assign(1, u'A');
            st.ToolWord = 0;
            st.PrevToolWord = 0;
        } else if (value == 14) {
            st.TurretName.assign(1, u'B');
            st.ToolWord = 0;
            st.PrevToolWord = 0;
            if (st.BTurretMinusSide) {
                st.TurretFactor = -1;
                st.LabelCount = 1;
            }
        } else if (value == 40 || value == 41 || value == 42) {
            st.NoseRMode = value;
        } else if (value == 90) {
            if (fanuc)
                st.MotionMode = 92;
            else
                st.DistanceMode = 90;
        } else if (value == 91) {
            st.DistanceMode = 91;
        } else if (value == 94) {
            if (fanuc)
                st.MotionMode = 94;
            else
                st.FeedMode = 94;
        } else if (value == 95 || value == 99) {
            st.FeedMode = 95;
        } else if (value == 98) {
            st.FeedMode = 94;
        } else if (value == 96 || value == 97) {
            st.SpindleMode = value;
        } else if (value == 64 || value == 65 || value == 75 || value == 76 || value == 110 || value == 111) {
            // Modal codes the checker does not draw.
        } else {
            st.MotionMode = value;
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
        old_::ReadWordValue(in);
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

    // Comment: skips to the closing ")", which may lie in a later block.
    void SkipComment(InterpreterState& st, int length)
    {
        st.InComment = true;
        for (;;) {
            ++st.ScanPos;
            if (st.ScanPos > length)
                return;
            if (CharAt(st, st.ScanPos) == u')') {
                st.InComment = false;
                return;
            }
        }
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
    const int length = static_cast<int>(st.BlockText.size());
    st.WordText.clear();
    ++st.ScanPos;
    while (st.ScanPos <= length && InNumberRange(CharAt(st, st.ScanPos))) {
        st.WordText += CharAt(st, st.ScanPos);
        ++st.ScanPos;
    }
    --st.ScanPos;
}

void ReadNumberText(Interpreter& in)
{
    auto& st = in.st;
    const int length = static_cast<int>(st.BlockText.size());
    st.WordText.clear();
    bool started = false;
    ++st.ScanPos;
    while (st.ScanPos <= length) {
        char16_t c = CharAt(st, st.ScanPos);
        if (c == u' ' || c == u'\t')
            break;
        if (InNumberRange(c))
            started = true;
        else if (started)
            break;
        st.WordText += c;
        ++st.ScanPos;
    }
    --st.ScanPos;
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

    for (st.ScanPos = 1; st.ScanPos <= length; ++st.ScanPos) {
        char16_t c = CharAt(st, st.ScanPos);
        if (c == u'(' || st.InComment) {
            SkipComment(st, length);
            continue;
        }
        switch (c) {
        case u')':
            st.InComment = false;
            break;
        case u'O':
            if (st.ScanPos <= 2) {
                old_::ReadNumberText(in);
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
            old_::ReadNumberText(in);
            st.SequenceNumber = st.WordText;
            break;
        case u'G':
            old_::ReadGNumber(in);
            st.LastGValue = NumericValue(st.WordText);
            ApplyGWord(st, st.LastGValue);
            break;
        case u'M':
            old_::ReadWordValue(in);
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
            old_::ReadNumberText(in);
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

} // namespace trazor::old_
