#include "interpreter/stored_settings.h"

#include <cmath>
#include <cstdlib>
#include <fstream>

namespace trazor {

std::filesystem::path DefaultSettingsPath()
{
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        return {};
    return base / "Trazor" / "Trazor.ini";
}

namespace {
    std::string Trim(const std::string& text)
    {
        auto first = text.find_first_not_of(" \t\r\n");
        if (first == std::string::npos)
            return "";
        auto last = text.find_last_not_of(" \t\r\n");
        return text.substr(first, last - first + 1);
    }
}

SettingsStore ReadSettingsFile(const std::filesystem::path& path)
{
    SettingsStore store;
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return store;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    std::string section;
    while (std::getline(file, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        store[section][Trim(line.substr(0, equals))] = value;
    }
    return store;
}

namespace {
    const std::string* Find(const SettingsStore& store, const char* section, const char* key)
    {
        auto s = store.find(section);
        if (s == store.end())
            return nullptr;
        auto k = s->second.find(key);
        return k == s->second.end() ? nullptr : &k->second;
    }

    template <typename T>
    void ReadNumber(const SettingsStore& store, const char* key, T& field, std::vector<std::string>& problems)
    {
        const std::string* text = Find(store, "Parameter", key);
        if (!text)
            return;
        char* end = nullptr;
        double value = std::strtod(text->c_str(), &end);
        if (text->empty() || *end != '\0' || !std::isfinite(value) || !std::isfinite(static_cast<T>(value))) {
            problems.push_back(std::string(key) + "=" + *text);
            return;
        }
        field = static_cast<T>(value);
    }

    void ReadFlag(const SettingsStore& store, const char* key, bool& field)
    {
        if (const std::string* text = Find(store, "Parameter", key))
            field = *text == "True" || *text == "true";
    }
}

void ApplyParameterSettings(const SettingsStore& store, InterpreterState& st, std::vector<std::string>& problems)
{
    ReadNumber(store, "PVLX", st.LimitPlusX, problems);
    ReadNumber(store, "PVLZ", st.LimitPlusZ, problems);
    ReadNumber(store, "NVLX", st.LimitMinusX, problems);
    ReadNumber(store, "NVLZ", st.LimitMinusZ, problems);
    double unit = st.Unit;
    ReadNumber(store, "Unit", unit, problems);
    if (unit == 1 || unit == 2 || unit == 3 || unit == 4)
        st.Unit = unit;
    else
        problems.push_back("Unit=" + *Find(store, "Parameter", "Unit"));
    ReadFlag(store, "PointCheck", st.FanucMode);
    ReadFlag(store, "Vertical", st.VerticalView);
    ReadFlag(store, "Xmirror", st.XMirror);
    ReadFlag(store, "G2mirror", st.G2Mirror);
}

} // namespace trazor
