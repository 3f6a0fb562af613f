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

    // The text of a short decimal (see ReadPlainWord) from the word's own characters: the sign,
    // the integer digits without leading zeros (at least "0") and, after a point, the fraction
    // without trailing zeros. `number` is the index of its first digit or point, `point` that of
    // the point (or `end` without one). Mostly that text stands in the word as it is.
    void SetShortText(std::u16string& out, const char16_t* word, std::size_t number, std::size_t point,
        std::size_t end, bool negative)
    {
        std::size_t first = number;
        while (first < point && word[first] == u'0')
            ++first;
        if (first == point && first > number)
            --first; // the integer part is zeros: one of them stays
        std::size_t fractionEnd = end;
        while (fractionEnd > point + 1 && word[fractionEnd - 1] == u'0')
            --fractionEnd;
        if (fractionEnd == point + 1)
            fractionEnd = point; // no fraction left: no point either
        if (first < point || point == end) {
            if (!negative) {
                out.assign(word + first, fractionEnd - first);
                return;
            }
            if (first == number) { // the minus sign stands right before the digits
                out.assign(word + number - 1, fractionEnd - number + 1);
                return;
            }
        }
        char16_t text[40];
        std::size_t length = 0;
        if (negative)
            text[length++] = u'-';
        if (first == point)
            text[length++] = u'0'; // ".5" is written "0.5"
        for (std::size_t k = first; k < fractionEnd; ++k)
            text[length++] = word[k];
        out.assign(text, length);
    }

    // The common word, read in one pass: the address, an optional sign, digits with at most one
    // point, then a character that ends the expression or the end of the block. Gives the value,
    // text, DecimalPointSeen and position the general route gives; returns false, having changed
    // nothing, for any other word.
    bool ReadPlainWord(InterpreterState& st)
    {
        const std::size_t size = st.BlockText.size();
        if (st.ScanPos < 0 || static_cast<std::size_t>(st.ScanPos) > size)
            return false;
        const char16_t* const word = st.BlockText.data();
        std::size_t i = static_cast<std::size_t>(st.ScanPos); // the character after the address
        bool negative = false;
        if (i < size && (word[i] == u'-' || word[i] == u'+')) {
            // A sign before anything but a digit or a point is an operator the general route reads.
            if (i + 1 == size || !(IsDigit(word[i + 1]) || word[i + 1] == u'.'))
                return false;
            negative = word[i] == u'-';
            ++i;
        } else if (i < size && word[i] >= u'A' && word[i] <= u'Z') {
            return false; // a statement or variable word
        }
        const std::size_t number = i;
        std::size_t point = 0;
        bool pointSeen = false;
        std::uint64_t digits = 0; // meaningful only while there are few significant digits
        int significant = 0;
        for (; i < size; ++i) {
            const char16_t c = word[i];
            if (IsDigit(c)) {
                significant += significant > 0 || c != u'0';
                digits = digits * 10 + static_cast<std::uint64_t>(c - u'0');
            } else if (c == u'.' && !pointSeen) {
                point = i;
                pointSeen = true;
            } else {
                break;
            }
        }
        if (i < size && !EndsExpression(word[i]))
            return false;
        if (!pointSeen)
            point = i;
        st.DecimalPointSeen = pointSeen;
        st.ScanPos = static_cast<int>(i);

        // A decimal of at most six significant digits between 1e-3 and 1e6 comes back from a
        // 32-bit float and its seven-digit text unchanged, so its text and value follow from its
        // digits. Trailing zeros of the fraction leave the quotient as it is: both divisions are of
        // exact numbers, rounded once.
        static constexpr double divisors[] = { 1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10 };
        const std::size_t decimals = pointSeen ? i - point - 1 : 0;
        if (significant <= 6 && digits != 0 && decimals <= 10) {
            const double value = static_cast<double>(digits) / divisors[decimals];
            // Below 1e-3 a float's rounding can reach the seventh digit; there the float route is
            // taken.
            if (value >= 1e-3 && value < 1e6) {
                st.WordNumber = negative ? -value : value;
                SetShortText(st.WordText, word, number, point, i, negative);
                return true;
            }
        }
        // Any other single operand (zero, many digits, very small or large) goes through the
        // 32-bit float and its text, as the general route does. A zero operand is passed over.
        const double value = NumericValue(std::u16string_view(word + number, i - number));
        float accumulator = 0;
        if (value != 0)
            accumulator = static_cast<float>(negative ? 0 - value : value);
        SetWordFromAccumulator(st, accumulator);
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
