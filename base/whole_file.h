// Reading a program file whole: only a regular file is read (reading a pipe or a device to its end
// may never end), into a buffer of the size the file has, and a read that fails part way is a
// failure, never a shorter program. Trazor's file open and trazor-check read through these.
#pragma once

#include <cstdint>

namespace trazor {

// Files beyond this size are refused rather than read: the editor could not hold their text, and
// positions in the text are 32-bit.
constexpr std::int64_t MaxProgramFileBytes = std::int64_t { 1 } << 30;

struct OpenedFile {
    enum Status { Open, OpenFailed, Folder, NotRegular, TooLarge };
    Status status = Open;
    int descriptor = -1; // open only when status is Open; the caller closes it
    int error = 0; // errno of OpenFailed (0 when the opened file could not be looked at)
    std::int64_t size = 0; // what the file system says, 0 for files that report no size (/proc)
};

// Opens `path` for reading without blocking, so that a named pipe does not wait for a writer, and
// checks it through the open descriptor, so that what is read is what was checked.
OpenedFile OpenRegularFile(const char* path, std::int64_t limit = MaxProgramFileBytes);

enum class ReadEnd { Complete, Failed, TooLarge };

// Reads through `readSome(into, most)` (the bytes read, 0 at the end, negative on a failure) from
// the position to the end into `bytes` (std::string, QByteArray), sized first for `expectedSize`
// bytes. One byte more than expected is asked for, so the end shows without growing the buffer;
// a file that grew meanwhile (or reports no size) is read on in larger steps, one that shrank ends
// early. Fails when a read fails, whatever was read before; stops at more than `limit` bytes.
template <typename Bytes, typename ReadSome>
ReadEnd ReadToEnd(Bytes& bytes, std::int64_t expectedSize, std::int64_t limit, ReadSome readSome)
{
    using Size = typename Bytes::size_type;
    const std::int64_t first = expectedSize < 0 ? 0 : expectedSize > limit ? limit : expectedSize;
    bytes.resize(static_cast<Size>(first + 1));
    std::int64_t filled = 0;
    for (;;) {
        auto room = static_cast<std::int64_t>(bytes.size());
        if (filled == room) {
            if (filled > limit)
                return ReadEnd::TooLarge;
            room = filled * 2 < limit + 1 ? filled * 2 : limit + 1;
            bytes.resize(static_cast<Size>(room));
        }
        const std::int64_t count = readSome(bytes.data() + filled, room - filled);
        if (count < 0)
            return ReadEnd::Failed;
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > limit)
        return ReadEnd::TooLarge;
    bytes.resize(static_cast<Size>(filled));
    return ReadEnd::Complete;
}

} // namespace trazor
