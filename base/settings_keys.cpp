#include "base/settings_keys.h"

#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace trazor {

namespace {

    constexpr std::string_view Settings = "Settings";
    constexpr std::string_view Parameter = "Parameter";
    using V = SettingsValues;

    constexpr SettingKey Keys[] = {
        { Settings, "MainLeft", SettingKind::Number, "1000", &V::MainLeft },
        { Settings, "MainTop", SettingKind::Number, "1000", &V::MainTop },
        { Settings, "MainWidth", SettingKind::Number, "12000", &V::MainWidth },
        { Settings, "MainHeight", SettingKind::Number, "10000", &V::MainHeight },
        { Parameter, "PVLX", SettingKind::Number, "500", &V::PVLX },
        { Parameter, "PVLZ", SettingKind::Number, "200", &V::PVLZ },
        { Parameter, "NVLX", SettingKind::Number, "-200", &V::NVLX },
        { Parameter, "NVLZ", SettingKind::Single, "-200", &V::NVLZ },
        { Parameter, "Unit", SettingKind::Unit, "1", &V::Unit },
        { Parameter, "PointCheck", SettingKind::Flag, "False", &V::PointCheck },
        { Parameter, "Vertical", SettingKind::Flag, "False", &V::Vertical },
        { Parameter, "Xmirror", SettingKind::Flag, "False", &V::Xmirror },
        { Parameter, "G2mirror", SettingKind::Flag, "False", &V::G2mirror },
        { Parameter, "AutoStart", SettingKind::Flag, "True", &V::AutoStart, false },
        // The default is the program's own folder, which only the reader knows.
        { Settings, "OpenPathName", SettingKind::Text, "", &V::OpenPathName },
        { Settings, "PrinterOrientation", SettingKind::Integer, "2", &V::PrinterOrientation },
        { Settings, "ProgramFontName", SettingKind::Text, "", &V::ProgramFontName },
        { Settings, "ProgramFontSize", SettingKind::Integer, "10", &V::ProgramFontSize },
        { Settings, "G40Display", SettingKind::Flag, "False", &V::G40Display },
        { Settings, "NoseRDisplay", SettingKind::Flag, "False", &V::NoseRDisplay },
        { Settings, "RecentFile1", SettingKind::Text, "", &V::RecentFile1 },
        { Settings, "RecentFile2", SettingKind::Text, "", &V::RecentFile2 },
        { Settings, "RecentFile3", SettingKind::Text, "", &V::RecentFile3 },
        { Settings, "RecentFile4", SettingKind::Text, "", &V::RecentFile4 },
        { Settings, "RecentFile5", SettingKind::Text, "", &V::RecentFile5 },
    };

    // A decimal number filling the text. Leading white space and a plus sign are taken, as the
    // C library's reading takes them; the reading does not depend on the locale, so a decimal
    // comma is never a decimal point.
    std::optional<double> ParseNumber(std::string_view text)
    {
        std::size_t at = 0;
        while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r')))
            ++at;
        if (at < text.size() && text[at] == '+') {
            ++at;
            if (at < text.size() && text[at] == '-')
                return std::nullopt;
        }
        const char* end = text.data() + text.size();
        double value = 0;
        auto [stop, error] = std::from_chars(text.data() + at, end, value);
        if (error != std::errc() || stop != end)
            return std::nullopt;
        return value;
    }

    bool ReadNumber(double& field, SettingKind kind, std::string_view text)
    {
        std::optional<double> value = ParseNumber(text);
        if (!value || !std::isfinite(*value))
            return false;
        if (kind == SettingKind::Unit && !(*value == 1 || *value == 2 || *value == 3 || *value == 4))
            return false;
        field = *value;
        return true;
    }

    bool ReadSingle(float& field, std::string_view text)
    {
        std::optional<double> value = ParseNumber(text);
        if (!value || !(std::fabs(*value) <= std::numeric_limits<float>::max()))
            return false;
        field = static_cast<float>(*value);
        return true;
    }

    template <typename Int> bool ReadInteger(Int& field, std::string_view text)
    {
        std::optional<double> value = ParseNumber(text);
        if (!value || *value != std::floor(*value) || *value < std::numeric_limits<Int>::min()
            || *value > std::numeric_limits<Int>::max())
            return false;
        field = static_cast<Int>(*value);
        return true;
    }

} // namespace

std::span<const SettingKey> AllSettingKeys() { return Keys; }

const SettingKey* FindSettingKey(std::string_view section, std::string_view key)
{
    for (const SettingKey& row : Keys)
        if (row.section == section && row.key == key)
            return &row;
    return nullptr;
}

std::string SettingText(const SettingsValues& values, const SettingKey& key)
{
    return std::visit(
        [&](auto member) -> std::string {
            const auto& value = values.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, double>)
                return DecimalText(value);
            else if constexpr (std::is_same_v<T, float>)
                return SingleText(value);
            else if constexpr (std::is_same_v<T, bool>)
                return value ? "True" : "False";
            else if constexpr (std::is_same_v<T, std::string>)
                return value;
            else
                return std::to_string(value);
        },
        key.field);
}

bool SetSettingFromText(SettingsValues& values, const SettingKey& key, std::string_view text)
{
    return std::visit(
        [&](auto member) -> bool {
            auto& value = values.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, double>)
                return ReadNumber(value, key.kind, text);
            else if constexpr (std::is_same_v<T, float>)
                return ReadSingle(value, text);
            else if constexpr (std::is_same_v<T, bool>) {
                value = text == "True";
                return true;
            } else if constexpr (std::is_same_v<T, std::string>) {
                value = text;
                return true;
            } else
                return ReadInteger(value, text);
        },
        key.field);
}

StoredSettings ReadSettingsValues(const SettingLookup& lookup, std::string_view programFolder)
{
    StoredSettings stored;
    stored.values.OpenPathName = programFolder;
    for (const SettingKey& key : Keys) {
        if (!key.readBack)
            continue;
        std::optional<std::string> text = lookup(key);
        if (text && !SetSettingFromText(stored.values, key, *text))
            stored.problems.push_back({ key.section, key.key, std::move(*text) });
    }
    return stored;
}

} // namespace trazor
