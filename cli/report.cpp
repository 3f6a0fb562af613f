#include "cli/report.h"
#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace trazor {

namespace {
    template <typename T> std::string Shortest(T value)
    {
        if (!std::isfinite(value))
            return "null"; // JSON has no infinities
        char buffer[64];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        return std::string(buffer, result.ptr);
    }

    const char* EndText(const CheckResult& result)
    {
        return result.programEnd ? "program end" : "end of text";
    }
}

std::string ShortestText(double value) { return Shortest(value); }
std::string ShortestText(float value) { return Shortest(value); }

std::string ClockText(float seconds)
{
    if (!std::isfinite(seconds) || seconds < 0)
        return ShortestText(seconds);
    // Hundredths first, so 59.999 s reads 0:01:00.00 rather than 0:00:60.00.
    long long hundredths = std::llround(static_cast<double>(seconds) * 100);
    long long totalSeconds = hundredths / 100;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld.%02lld", totalSeconds / 3600,
        totalSeconds / 60 % 60, totalSeconds % 60, hundredths % 100);
    return buffer;
}

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

void WriteTextReport(std::ostream& out, const CheckResult& result)
{
    out << "blocks: " << DecimalText(result.blocks) << "\n";
    out << "end: " << EndText(result) << "\n";
    out << "time: " << ClockText(result.machiningTime) << " (" << ShortestText(result.machiningTime)
        << " s)\n";
    WriteProblems(out, result);
}

void WriteProblems(std::ostream& out, const CheckResult& result)
{
    for (const auto& message : result.messages)
        out << ProblemLine(message) << "\n";
}

void WriteJsonReport(std::ostream& out, const CheckResult& result)
{
    out << "{\"blocks\":" << DecimalText(result.blocks) << ",\"end\":" << JsonString(EndText(result))
        << ",\"time\":" << ShortestText(result.machiningTime)
        << ",\"clock\":" << JsonString(ClockText(result.machiningTime)) << ",\"messages\":[";
    for (std::size_t i = 0; i < result.messages.size(); ++i) {
        if (i > 0)
            out << ",";
        out << "{\"line\":" << result.messages[i].line << ",\"text\":" << JsonString(result.messages[i].text)
            << "}";
    }
    out << "]}\n";
}

void WriteTraceLine(std::ostream& out, const TraceRecord& r)
{
    out << "{\"line\":" << r.line << ",\"block\":" << JsonString(r.block)
        << ",\"mode\":" << JsonString(r.mode) << ",\"x\":" << ShortestText(r.x)
        << ",\"z\":" << ShortestText(r.z) << ",\"cx\":" << ShortestText(r.cx)
        << ",\"cz\":" << ShortestText(r.cz) << ",\"time\":" << ShortestText(r.time) << ",\"stop\":" << r.stop
        << ",\"msg\":" << (r.message ? JsonString(*r.message) : std::string("null")) << "}\n";
}

} // namespace trazor
