#include "fkeyreg/key_entries.h"

#include "base/cp932.h"

#include <optional>

namespace trazor {

namespace {

    // One line of the file: [begin, end) is its content, `next` the start of the following line.
    // Lines end in CR LF; a lone LF and the end of the file also end a line, so a file edited
    // elsewhere or without a final line end is still split correctly.
    struct Line {
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t next = 0;
    };

    Line LineAt(std::string_view text, std::size_t begin)
    {
        const std::size_t feed = text.find('\n', begin);
        if (feed == std::string_view::npos)
            return { begin, text.size(), text.size() };
        const std::size_t end = (feed > begin && text[feed - 1] == '\r') ? feed - 1 : feed;
        return { begin, end, feed + 1 };
    }

    std::size_t SkipBlanks(std::string_view text, const Line& line)
    {
        std::size_t i = line.begin;
        while (i < line.end && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        return i;
    }

    bool LineStartsWith(std::string_view text, const Line& line, std::string_view prefix)
    {
        const std::size_t start = SkipBlanks(text, line);
        return line.end - start >= prefix.size() && text.compare(start, prefix.size(), prefix) == 0;
    }

    // Byte range of the section's lines (after the header line), or nothing without the header.
    struct Section {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    std::optional<Section> FindSection(std::string_view text, std::string_view header)
    {
        std::size_t pos = 0;
        while (pos < text.size()) {
            const Line line = LineAt(text, pos);
            pos = line.next;
            if (!LineStartsWith(text, line, header))
                continue;
            Section section { line.next, text.size() };
            for (std::size_t p = line.next; p < text.size();) {
                const Line inner = LineAt(text, p);
                if (LineStartsWith(text, inner, "[")) {
                    section.end = inner.begin;
                    break;
                }
                p = inner.next;
            }
            return section;
        }
        return std::nullopt;
    }

    // Value of entry dataN: [begin, end) right after its '=' up to the line end.
    struct Value {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    std::optional<Value> FindEntry(std::string_view text, const Section& section, int number)
    {
        const std::string key = "data" + std::to_string(number) + "=";
        for (std::size_t pos = section.begin; pos < section.end;) {
            const Line line = LineAt(text, pos);
            pos = line.next;
            if (LineStartsWith(text, line, key)) {
                const std::size_t valueBegin = SkipBlanks(text, line) + key.size();
                return Value { valueBegin, line.end };
            }
        }
        return std::nullopt;
    }

    // Walks data1 to data8 and returns the first entry for which `pick` holds, with its number.
    template <typename Pick>
    EntryEdit WalkEntries(
        std::string_view text, std::string_view header, Pick pick, std::optional<Value>& picked)
    {
        EntryEdit edit;
        const std::optional<Section> section = FindSection(text, header);
        if (!section) {
            edit.outcome = EntryEdit::Outcome::MissingSection;
            return edit;
        }
        for (int number = 1; number <= KeyFileEntryCount; ++number) {
            const std::optional<Value> value = FindEntry(text, *section, number);
            if (!value) {
                edit.outcome = EntryEdit::Outcome::MissingEntry;
                edit.entry = number;
                return edit;
            }
            if (pick(text.substr(value->begin, value->end - value->begin))) {
                edit.outcome = EntryEdit::Outcome::Changed;
                edit.entry = number;
                picked = value;
                return edit;
            }
        }
        edit.outcome = EntryEdit::Outcome::Unchanged;
        return edit;
    }

} // namespace

EntryEdit RegisterEntry(std::string_view fileText, std::string_view header, std::string_view value)
{
    std::optional<Value> freeEntry;
    EntryEdit edit = WalkEntries(
        fileText, header, [](std::string_view current) { return current.empty(); }, freeEntry);
    if (freeEntry) {
        edit.text.reserve(fileText.size() + value.size());
        edit.text.append(fileText.substr(0, freeEntry->begin));
        edit.text.append(value);
        edit.text.append(fileText.substr(freeEntry->begin));
    }
    return edit;
}

EntryEdit RemoveEntry(std::string_view fileText, std::string_view header, std::string_view name)
{
    std::optional<Value> holder;
    EntryEdit edit = WalkEntries(
        fileText, header,
        [name](std::string_view current) { return FindCp932(current, name) != std::string_view::npos; },
        holder);
    if (holder) {
        edit.text.reserve(fileText.size());
        edit.text.append(fileText.substr(0, holder->begin));
        edit.text.append(fileText.substr(holder->end));
    }
    return edit;
}

} // namespace trazor
