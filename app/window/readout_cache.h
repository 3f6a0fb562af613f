// The readouts as the interpreter last wrote them, kept until the window shows them. A run at
// full speed writes every readout after every block; the screen takes the latest values about
// 30 times a second, so only changed entries are kept dirty.
#pragma once

#include "interpreter/run_host.h"

#include <array>
#include <string>

namespace trazor {

class ReadoutCache {
public:
    static constexpr int Readouts = static_cast<int>(Readout::Label2) + 1;
    static constexpr int Items = 16;

    struct Entry {
        std::string text;
        signed char visible = -1; // -1 never set
        bool dirty = false;
    };

    Entry* Find(Readout readout, int item)
    {
        const int r = static_cast<int>(readout);
        if (r < 0 || r >= Readouts || item < 0 || item >= Items)
            return nullptr;
        return &entries_[static_cast<std::size_t>(r * Items + item)];
    }

    template <typename F> void ForEachDirty(F&& apply)
    {
        for (int r = 0; r < Readouts; ++r) {
            for (int item = 0; item < Items; ++item) {
                Entry& entry = entries_[static_cast<std::size_t>(r * Items + item)];
                if (!entry.dirty)
                    continue;
                entry.dirty = false;
                apply(static_cast<Readout>(r), item, entry);
            }
        }
    }

private:
    std::array<Entry, Readouts * Items> entries_ {};
};

} // namespace trazor
