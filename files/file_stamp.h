#pragma once
// A file's identity as the system keeps it: device, inode, size and the time
// of its last change to the nanosecond. Taken without opening the file, so it
// never blocks. A file whose stamp is unchanged holds the bytes it held when
// the stamp was taken, unless it was rewritten in place to the same size
// within the file system's clock tick.

#include <cstdint>
#include <optional>
#include <string>

namespace tavrin {

struct TFileStamp {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    bool Regular = false; // a regular file, not a folder, pipe or device

    friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};

// The stamp of what `path` names, symbolic links followed; nothing when there
// is no such file or it cannot be looked at.
std::optional<TFileStamp> FileStampOf(const std::string& path);

} // namespace tavrin
