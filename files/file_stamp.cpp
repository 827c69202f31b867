#include "file_stamp.h"

#include <sys/stat.h>

namespace tavrin {

std::optional<TFileStamp> FileStampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    TFileStamp stamp;
    stamp.Device = static_cast<std::uint64_t>(info.st_dev);
    stamp.Inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.Size = static_cast<std::int64_t>(info.st_size);
    stamp.ModifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                       static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    stamp.Regular = S_ISREG(info.st_mode);
    return stamp;
}

} // namespace tavrin
