// The value of an address word: plain numbers and simple arithmetic evaluated from left to right
// in single precision. Statements and variable words of the OSP dialect are passed over, since
// the checker keeps no variables.
#include "interpreter/block_reading.h"
#include "interpreter/number_format.h"

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
        case u'+': result = acc + operand; break;
        case u'-': result = acc - operand; break;
        case u'*': result = acc * operand; break;
        case u'/': result = acc / operand; break;
        default: break;
        }
        accumulator = static_cast<float>(result);
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
            bool operandFollows = (after >= u'0' && after <= u'9') || after == u'.' || after == u'[' || after == u']';
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
        if (c < u'*' || (c > u'9' && !IsBracketOrEquals(c))) {
            st.ScanPos = i;
            break;
        }
        if (!IsOperator(c) && !IsBracketOrEquals(c))
            number += c;
    }

    Combine(accumulator, pendingOperator, NumericValue(number));
    char valueText[SingleTextCapacity];
    const std::size_t valueLength = SingleTextAndValue(accumulator, st.WordNumber, valueText);
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
