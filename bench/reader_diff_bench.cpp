// The word readers and the block scanner against their earlier versions (bench/old_block_reading)
// on random words and blocks, hostile forms included: every value, text, flag, position, stop code
// and message must come out the same. Prints the time per word and per block of both versions (on
// these random words, not on a typical program: interpreter_bench measures that) and exits with
// status 1 at the first difference, showing the input that gave it.
//
//   reader_diff_bench [WORDS [BLOCKS [SEED]]]     (default 1000000 words, 200000 blocks, seed 1)
#include "bench/old_block_reading.h"

#include "display/recording_surface.h"
#include "interpreter/headless_host.h"
#include "interpreter/start_up.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace trazor {
namespace {

    // ---- Random input ----

    class Generator {
    public:
        explicit Generator(unsigned seed)
            : random_(seed)
        {
        }

        // An address letter and what may follow it.
        std::u16string Word()
        {
            std::u16string word(1, Pick(u"XZUWIKRFSTMGNOVYCADLPHXZXZFSMGN"));
            if ((word[0] == u'G' || word[0] == u'M') && Chance(40)) {
                // The codes with effects of their own, in the forms they are written in.
                static const char16_t* const codes[] = { u"0", u"00", u"1", u"01", u"2", u"3", u"4", u"5",
                    u"8", u"9", u"13", u"14", u"013", u"13.", u"14.5", u"19", u"20", u"28", u"30", u"31",
                    u"32", u"33", u"40", u"41", u"42", u"50", u"55", u"64", u"65", u"71", u"75", u"76", u"90",
                    u"91", u"92", u"94", u"95", u"96", u"97", u"98", u"99", u"110", u"111", u"112", u"178",
                    u"180", u"290", u"-1", u"1e2", u"99999" };
                word += codes[Between(0, static_cast<int>(std::size(codes)) - 1)];
                if (Chance(50))
                    word += Pick(u" XZ(\r");
                return word;
            }
            Tail(word);
            return word;
        }

        // Up to eight words, with blanks, comments, block delete, line ends and stray characters.
        std::u16string Block()
        {
            std::u16string block;
            if (Chance(50))
                block += u'\n';
            if (Chance(5))
                block += u'/';
            if (Chance(5)) {
                block += u'O';
                block += Digits(1, 4);
            }
            const int words = Between(0, 8);
            for (int k = 0; k < words; ++k) {
                if (Chance(5))
                    block += Pick(u"(()) /\t\r\n\u3000\uFF08\uFF09");
                if (Chance(4)) {
                    block += u'(';
                    block += Digits(0, 3);
                    if (Chance(70))
                        block += u')';
                }
                block += Word();
                if (Chance(40))
                    block += u' ';
            }
            return block;
        }

        int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
        bool Chance(int percent) { return Between(0, 99) < percent; }

    private:
        char16_t Pick(std::u16string_view from)
        {
            return from[static_cast<std::size_t>(Between(0, static_cast<int>(from.size()) - 1))];
        }

        std::u16string Digits(int low, int high)
        {
            std::u16string digits;
            for (int n = Between(low, high); n > 0; --n)
                digits += static_cast<char16_t>(u'0' + Between(0, 9));
            return digits;
        }

        // A plain number: optional sign, digits with a point anywhere (or none), sometimes zeros.
        void Plain(std::u16string& out)
        {
            if (Chance(30))
                out += Pick(u"-+");
            std::u16string digits = Chance(10) ? std::u16string(static_cast<std::size_t>(Between(1, 4)), u'0')
                                               : Digits(1, Chance(10) ? 30 : 7);
            if (Chance(60))
                digits.insert(static_cast<std::size_t>(Between(0, static_cast<int>(digits.size()))), 1, u'.');
            out += digits;
        }

        void Tail(std::u16string& out)
        {
            switch (Between(0, 9)) {
            case 0: // characters of every kind
                for (int n = Between(0, 12); n > 0; --n)
                    out += Chance(3)
                        ? char16_t { 0xD800 } // half of a surrogate pair
                        : Pick(u"0123456789..--++**//,,==[[]]EeXZAV ()\t\r\n\u3000\uFF08\uFF09\uFF11\uFF0E");
                break;
            case 1: // several points, long digit runs
                for (int n = Between(1, 6); n > 0; --n)
                    out += Digits(0, 25) + u'.';
                break;
            case 2: // exponent-like
                Plain(out);
                out += Pick(u"Ee");
                if (Chance(50))
                    out += Pick(u"-+");
                out += Digits(0, 4);
                break;
            case 3: // an expression
                if (Chance(30))
                    out += u'[';
                Plain(out);
                for (int n = Between(1, 4); n > 0; --n) {
                    out += Pick(u"+-*/");
                    if (Chance(15))
                        out += Pick(u"[] ");
                    Plain(out);
                }
                if (Chance(30))
                    out += u']';
                break;
            case 4: // a statement or variable word
                out += Pick(u"ACLMSVX");
                out += Pick(u"ACLN1");
                break;
            default:
                Plain(out);
                break;
            }
            // What ends the word: nothing (the end of the block), a blank, the next word, a line end.
            if (Chance(70))
                out += Pick(u"  XZFG(\r\n\t,=[]*+-.\u3000");
        }

        std::mt19937 random_;
    };

    // ---- Both versions side by side ----

    struct Side {
        RecordingSurface trace, xScale, zScale;
        HeadlessHost host;
        Interpreter in { trace, xScale, zScale, host };
    };

    bool SameNumber(double a, double b)
    {
        return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
    }

    std::string Shown(std::u16string_view text)
    {
        std::string out;
        for (char16_t c : text) {
            if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else {
                char code[12];
                std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
                out += code;
            }
        }
        return out;
    }

    // The first field in which the two states differ, or "" when none does.
    std::string Difference(const InterpreterState& a, const InterpreterState& b)
    {
        struct NumberField {
            const char* name;
            double InterpreterState::*field;
        };
        static const NumberField numbers[] = { { "BlockLength", &InterpreterState::BlockLength },
            { "WordNumber", &InterpreterState::WordNumber }, { "MotionMode", &InterpreterState::MotionMode },
            { "LastGValue", &InterpreterState::LastGValue },
            { "DistanceMode", &InterpreterState::DistanceMode }, { "FeedMode", &InterpreterState::FeedMode },
            { "SpindleMode", &InterpreterState::SpindleMode }, { "NoseRMode", &InterpreterState::NoseRMode },
            { "LastMCode", &InterpreterState::LastMCode },
            { "SpindleMCode", &InterpreterState::SpindleMCode },
            { "CoolantMCode", &InterpreterState::CoolantMCode }, { "TargetX", &InterpreterState::TargetX },
            { "TargetZ", &InterpreterState::TargetZ }, { "WordU", &InterpreterState::WordU },
            { "WordW", &InterpreterState::WordW }, { "WordI", &InterpreterState::WordI },
            { "WordK", &InterpreterState::WordK }, { "WordR", &InterpreterState::WordR },
            { "WordD", &InterpreterState::WordD }, { "WordP", &InterpreterState::WordP },
            { "WordL", &InterpreterState::WordL }, { "WordA", &InterpreterState::WordA },
            { "WordH", &InterpreterState::WordH }, { "WordC", &InterpreterState::WordC },
            { "WordY", &InterpreterState::WordY }, { "Feed", &InterpreterState::Feed },
            { "DwellF", &InterpreterState::DwellF }, { "SpindleS", &InterpreterState::SpindleS },
            { "SpindleSB", &InterpreterState::SpindleSB }, { "ToolWord", &InterpreterState::ToolWord },
            { "PrevToolWord", &InterpreterState::PrevToolWord },
            { "LabelCount", &InterpreterState::LabelCount } };
        for (const NumberField& n : numbers)
            if (!SameNumber(a.*n.field, b.*n.field))
                return std::string(n.name) + ": " + std::to_string(a.*n.field) + " / "
                    + std::to_string(b.*n.field);
        struct TextField {
            const char* name;
            std::u16string InterpreterState::*field;
        };
        static const TextField texts[] = { { "WordText", &InterpreterState::WordText },
            { "ProgramName", &InterpreterState::ProgramName },
            { "SequenceNumber", &InterpreterState::SequenceNumber },
            { "TurretName", &InterpreterState::TurretName } };
        for (const TextField& t : texts)
            if (a.*t.field != b.*t.field)
                return std::string(t.name) + ": \"" + Shown(a.*t.field) + "\" / \"" + Shown(b.*t.field)
                    + "\"";
        struct FlagField {
            const char* name;
            bool InterpreterState::*field;
        };
        static const FlagField flags[] = { { "DecimalPointSeen", &InterpreterState::DecimalPointSeen },
            { "InComment", &InterpreterState::InComment }, { "TGFlag", &InterpreterState::TGFlag },
            { "FanucUGiven", &InterpreterState::FanucUGiven },
            { "FanucWGiven", &InterpreterState::FanucWGiven } };
        for (const FlagField& f : flags)
            if (a.*f.field != b.*f.field)
                return std::string(f.name) + ": " + std::to_string(a.*f.field) + " / "
                    + std::to_string(b.*f.field);
        if (a.ScanPos != b.ScanPos)
            return "ScanPos: " + std::to_string(a.ScanPos) + " / " + std::to_string(b.ScanPos);
        if (a.StopCode != b.StopCode)
            return "StopCode: " + std::to_string(a.StopCode) + " / " + std::to_string(b.StopCode);
        if (a.OtherMCode != b.OtherMCode)
            return "OtherMCode: " + std::to_string(a.OtherMCode) + " / " + std::to_string(b.OtherMCode);
        if (!SameNumber(a.MachiningTime, b.MachiningTime) || !SameNumber(a.TurretFactor, b.TurretFactor))
            return "MachiningTime or TurretFactor";
        return "";
    }

    std::string Difference(const HeadlessHost& a, const HeadlessHost& b)
    {
        if (a.messageLog != b.messageLog)
            return "messages: " + std::to_string(a.messageLog.size()) + " / "
                + std::to_string(b.messageLog.size());
        if (a.functionKeyMessage != b.functionKeyMessage)
            return "function-key message: \"" + a.functionKeyMessage + "\" / \"" + b.functionKeyMessage
                + "\"";
        return "";
    }

    int Report(const char* what, std::u16string_view input, int scanPos, const std::string& difference)
    {
        std::printf("DIFFERENCE in %s, input \"%s\" (position %d): %s (old / new)\n", what,
            Shown(input).c_str(), scanPos, difference.c_str());
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

    // ---- Words ----

    enum class Reader { Value, GNumber, NumberText };

    struct WordInput {
        std::u16string text;
        int scanPos = 1;
        Reader reader = Reader::Value;
    };

    void Read(Interpreter& in, Reader reader, bool old)
    {
        switch (reader) {
        case Reader::Value:
            old ? old_::ReadWordValue(in) : ReadWordValue(in);
            break;
        case Reader::GNumber:
            old ? old_::ReadGNumber(in) : ReadGNumber(in);
            break;
        case Reader::NumberText:
            old ? old_::ReadNumberText(in) : ReadNumberText(in);
            break;
        }
    }

    struct WordOutcome {
        std::u16string text;
        double number = 0;
        bool pointSeen = false;
        int scanPos = 0;
    };

    // Reads every input with one version; the state starts each word with a left-over text, value
    // and flag, so a reader that forgets to set one shows.
    Clock::duration ReadAll(
        Interpreter& in, const std::vector<WordInput>& inputs, bool old, std::vector<WordOutcome>& outcomes)
    {
        auto& st = in.st;
        const auto start = Clock::now();
        for (std::size_t k = 0; k < inputs.size(); ++k) {
            st.BlockText = inputs[k].text;
            st.ScanPos = inputs[k].scanPos;
            st.WordText.assign(u"LEFT");
            st.WordNumber = -7.5;
            st.DecimalPointSeen = (k & 1) != 0;
            Read(in, inputs[k].reader, old);
            WordOutcome& o = outcomes[k];
            o.text.assign(st.WordText);
            o.number = st.WordNumber;
            o.pointSeen = st.DecimalPointSeen;
            o.scanPos = st.ScanPos;
        }
        return Clock::now() - start;
    }

    int CompareWords(Generator& generator, long count)
    {
        Side oldSide, newSide;
        constexpr std::size_t batch = 4096;
        std::vector<WordInput> inputs(batch);
        std::vector<WordOutcome> oldOutcomes(batch), newOutcomes(batch);
        Clock::duration oldTime {}, newTime {};
        for (long done = 0; done < count;) {
            const std::size_t n = static_cast<std::size_t>(std::min<long>(batch, count - done));
            inputs.resize(n);
            for (WordInput& input : inputs) {
                input.text.clear();
                // Now and then the word stands after others in its block.
                if (generator.Chance(20))
                    input.text = generator.Word() + (generator.Chance(50) ? u" " : u"");
                input.scanPos = static_cast<int>(input.text.size()) + 1;
                input.text += generator.Word();
                const int which = generator.Between(0, 9);
                input.reader = which == 0 ? Reader::GNumber : which == 1 ? Reader::NumberText : Reader::Value;
            }
            oldTime += ReadAll(oldSide.in, inputs, true, oldOutcomes);
            newTime += ReadAll(newSide.in, inputs, false, newOutcomes);
            for (std::size_t k = 0; k < n; ++k) {
                const WordOutcome& a = oldOutcomes[k];
                const WordOutcome& b = newOutcomes[k];
                std::string difference;
                if (a.text != b.text)
                    difference = "text \"" + Shown(a.text) + "\" / \"" + Shown(b.text) + "\"";
                else if (!SameNumber(a.number, b.number))
                    difference = "value " + std::to_string(a.number) + " / " + std::to_string(b.number);
                else if (a.pointSeen != b.pointSeen)
                    difference = "DecimalPointSeen " + std::to_string(a.pointSeen) + " / "
                        + std::to_string(b.pointSeen);
                else if (a.scanPos != b.scanPos)
                    difference = "position " + std::to_string(a.scanPos) + " / " + std::to_string(b.scanPos);
                if (!difference.empty()) {
                    const char* reader = inputs[k].reader == Reader::Value ? "ReadWordValue"
                        : inputs[k].reader == Reader::GNumber              ? "ReadGNumber"
                                                                           : "ReadNumberText";
                    return Report(reader, inputs[k].text, inputs[k].scanPos, difference);
                }
            }
            done += static_cast<long>(n);
        }
        std::printf("words:  %ld the same; old %.1f ns, new %.1f ns per word (of these, mostly hostile)\n",
            count, Seconds(oldTime) * 1e9 / static_cast<double>(count),
            Seconds(newTime) * 1e9 / static_cast<double>(count));
        return 0;
    }

    // ---- Blocks ----

    int CompareBlocks(Generator& generator, long count)
    {
        static constexpr double units[] = { 1, 2, 3, 4, 0, 9 };
        static constexpr double modes[] = { 0, 1, 2, 4, 33, 71, 92, 178 };
        Side oldSide, newSide;
        SettingsValues settings;
        StartUp(oldSide.in, settings, { .batchRun = true, .resetValues = true });
        const InterpreterState start = oldSide.in.st;
        Clock::duration oldTime {}, newTime {};
        for (long k = 0; k < count; ++k) {
            InterpreterState initial = start;
            initial.FanucMode = generator.Chance(50);
            initial.Unit = units[generator.Between(0, 5)];
            initial.BlockDeleteOn = generator.Chance(30);
            initial.InComment = generator.Chance(5);
            initial.BTurretMinusSide = generator.Chance(50);
            initial.MotionMode = modes[generator.Between(0, 7)];
            initial.BlockText = generator.Block();
            ScannedAxes axes[2];
            for (int side = 0; side < 2; ++side) {
                Side& s = side == 0 ? oldSide : newSide;
                s.in.st = initial;
                s.host.messageLog.clear();
                s.host.functionKeyMessage.clear();
                const auto begin = Clock::now();
                axes[side] = side == 0 ? old_::ScanBlock(s.in) : ScanBlock(s.in);
                (side == 0 ? oldTime : newTime) += Clock::now() - begin;
            }
            std::string difference = Difference(oldSide.in.st, newSide.in.st);
            if (difference.empty())
                difference = Difference(oldSide.host, newSide.host);
            if (difference.empty() && (axes[0].xGiven != axes[1].xGiven || axes[0].zGiven != axes[1].zGiven))
                difference = "axes given";
            if (!difference.empty())
                return Report("ScanBlock", initial.BlockText, 0, difference);
        }
        std::printf("blocks: %ld the same; old %.1f ns, new %.1f ns per block (clock readings included)\n",
            count, Seconds(oldTime) * 1e9 / static_cast<double>(count),
            Seconds(newTime) * 1e9 / static_cast<double>(count));
        return 0;
    }

} // namespace
} // namespace trazor

int main(int argc, char** argv)
{
    const long words = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const long blocks = argc > 2 ? std::atol(argv[2]) : 200'000;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atol(argv[3])) : 1;
    trazor::Generator generator(seed);
    if (int status = trazor::CompareWords(generator, words))
        return status;
    return trazor::CompareBlocks(generator, blocks);
}
