// The value of an address word: plain numbers and simple arithmetic evaluated from left to right
// in single precision. Statements and variable words of the OSP dialect are passed over, since
// the checker keeps no variables.
#include "base/number_format.h"
#include "interpreter/block_reading.h"

#include <algorithm>
#include <cstdint>

namespace trazor {

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
    // digits alone: leading and trailing zeros dropped.
    struct ShortDecimal {
        std::uint64_t digits = 0;
        int significant = 0;
        int decimals = -1; // digits after the point, -1 without a point

        // Takes one more digit; false once there are too many for this route.
        bool Add(char16_t digit)
        {
            if (decimals >= 0)
                ++decimals;
            if (significant > 0 || digit != u'0')
                ++significant;
            digits = digits * 10 + static_cast<std::uint64_t>(digit - u'0');
            return significant <= 6;
        }

        // Writes the text and value; returns the length, or 0 when the number is not of this kind
        // (the general route then applies).
        std::size_t Write(bool negative, char16_t* out, double& value)
        {
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
    };

    bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

    // Whether `c` ends a word's expression: below '*' (blank, tab, line end, "(", ")") or above '9'
    // other than "=", "[" and "]". The characters from '*' to '9' are operators, "," and the digits
    // and point of an operand.
    bool EndsExpression(char16_t c) { return c < u'*' || (c > u'9' && !IsBracketOrEquals(c)); }

    // The value of the accumulator as the word's text and value.
    void SetWordFromAccumulator(InterpreterState& st, float accumulator)
    {
        char valueText[SingleTextCapacity];
        const std::size_t length = SingleTextAndValue(accumulator, st.WordNumber, valueText);
        st.WordText.resize(length);
        std::copy(valueText, valueText + length, st.WordText.begin());
        if (accumulator == 0)
            st.DecimalPointSeen = true;
    }

    // The common word, read in one pass: the address, an optional sign, digits with at most one
    // point, then a character that ends the expression or the end of the block. Gives the value,
    // text, DecimalPointSeen and position the general route gives; returns false, having changed
    // nothing, for any other word.
    bool ReadPlainWord(InterpreterState& st)
    {
        const std::u16string& text = st.BlockText;
        const std::size_t size = text.size();
        if (st.ScanPos < 0 || static_cast<std::size_t>(st.ScanPos) > size)
            return false;
        std::size_t i = static_cast<std::size_t>(st.ScanPos); // the character after the address
        bool negative = false;
        if (i < size && (text[i] == u'-' || text[i] == u'+')) {
            // A sign before anything but a digit or a point is an operator the general route reads.
            if (i + 1 == size || !(IsDigit(text[i + 1]) || text[i + 1] == u'.'))
                return false;
            negative = text[i] == u'-';
            ++i;
        } else if (i < size && text[i] >= u'A' && text[i] <= u'Z') {
            return false; // a statement or variable word
        }
        const std::size_t number = i;
        ShortDecimal decimal;
        bool isShort = true;
        for (; i < size; ++i) {
            const char16_t c = text[i];
            if (IsDigit(c)) {
                if (isShort)
                    isShort = decimal.Add(c);
            } else if (c == u'.' && decimal.decimals < 0) {
                decimal.decimals = 0;
            } else {
                break;
            }
        }
        if (i < size && !EndsExpression(text[i]))
            return false;

        const bool point = decimal.decimals >= 0;
        char16_t valueText[32];
        const std::size_t length = isShort ? decimal.Write(negative, valueText, st.WordNumber) : 0;
        if (length > 0) {
            st.WordText.assign(valueText, length);
            st.DecimalPointSeen = point;
        } else {
            // One operand of another kind (zero, many digits, very small or large): through the
            // 32-bit float and its text, as the general route does. A zero operand is passed over.
            const double value = NumericValue(std::u16string_view(text).substr(number, i - number));
            float accumulator = 0;
            if (value != 0)
                accumulator = static_cast<float>(negative ? 0 - value : value);
            st.DecimalPointSeen = point;
            SetWordFromAccumulator(st, accumulator);
        }
        st.ScanPos = static_cast<int>(i);
        return true;
    }

} // namespace

void ReadWordValue(Interpreter& in)
{
    auto& st = in.st;
    if (ReadPlainWord(st))
        return;

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

    // The general route: an expression of operands and operators, evaluated from left to right.
    int i = st.ScanPos + 1;
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
            bool operandFollows = IsDigit(after) || after == u'.' || after == u'[' || after == u']';
            if (!operandFollows) {
                // The expression ends at this operator; the rest of the word up to the next
                // blank is passed over. The character right after the operator is not looked at.
                int k = i + 2;
                while (k <= length && !IsBlank(at(k)))
                    ++k;
                st.ScanPos = k;
                break;
            }
            Combine(accumulator, pendingOperator, NumericValue(number));
            number.clear();
            pendingOperator = c;
        }
        if (EndsExpression(c)) {
            st.ScanPos = i;
            break;
        }
        if (!IsOperator(c) && !IsBracketOrEquals(c))
            number += c;
    }

    Combine(accumulator, pendingOperator, NumericValue(number));
    SetWordFromAccumulator(st, accumulator);
    st.ScanPos -= 1;
}

double ScaleLength(const InterpreterState& st, double value)
{
    if (st.Unit == 1)
        return value;
    if (st.Unit == 2)
        return value / 100;
    if (st.Unit == 3)
        return value / 1000;
    if (st.Unit == 4)
        return value * 25.4;
    return 0;
}

double ScaleAngle(const InterpreterState& st, double value)
{
    if (st.Unit == 2)
        return value / 100;
    if (st.Unit == 3)
        return value / 1000;
    if (st.Unit == 1 || st.Unit == 4)
        return value;
    return 0;
}

} // namespace trazor
