// Key-file editing on arbitrary file texts: an edit either reports the file unusable or changes
// exactly the one value, never anything around it.
#include "fkeyreg/key_entries.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trazor;
    if (size < 1)
        return 0;
    const bool caption = (data[0] & 1) != 0;
    const std::string_view header = caption ? CaptionSectionHeader : PathSectionHeader;
    const std::string_view value = caption ? std::string_view("\x83\x67\x83\x8C\x81\x5B\x83\x55\x81\x5B")
                                           : std::string_view("/opt/trazor/Trazor");
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    EntryEdit added = RegisterEntry(text, header, value);
    if (added.outcome == EntryEdit::Outcome::Changed) {
        // Only the value was inserted.
        if (added.text.size() != text.size() + value.size())
            __builtin_trap();
        // Removing what was just registered gives the file back when nothing earlier held it.
        if (text.find(value) == std::string_view::npos) {
            EntryEdit removed = RemoveEntry(added.text, header, value);
            if (removed.outcome != EntryEdit::Outcome::Changed || removed.text != text)
                __builtin_trap();
        }
    } else if (!added.text.empty() && added.text != text) {
        __builtin_trap();
    }
    EntryEdit removed = RemoveEntry(text, header, "Trazor");
    if (removed.outcome == EntryEdit::Outcome::Changed && removed.text.size() >= text.size())
        __builtin_trap();
    return 0;
}
