// The value of an address word: plain numbers and simple arithmetic evaluated from left to right
// in single precision. Statements and variable words of the OSP dialect are passed over, since
// the checker keeps no variables.
#include "base/number_format.h"
#include "interpreter/block_reading.h"

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
