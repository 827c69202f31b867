#include "file_read.h"

#include "descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {

std::string ReadFileHead(const std::string& path, std::size_t limit) {
    files::TDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), path);
    if (fd.Get() < 0)
        fd.Fail();
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        fd.Fail();
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        fd.Fail();
    }

    std::string bytes;
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.reserve(std::min(limit, static_cast<std::size_t>(info.st_size)));
    constexpr std::size_t Chunk = 64 * 1024;
    while (bytes.size() < limit) {
        const std::size_t have = bytes.size();
        bytes.resize(have + std::min(Chunk, limit - have));
        const ssize_t n = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
        bytes.resize(have + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n > 0)
            continue;
        if (n == 0)
            break; // end of file, or a pipe whose writers are gone
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            fd.Fail();
        int budgetMs = files::ReadyWaitMs; // a second with no byte moved
        if (!fd.WaitReady(POLLIN, budgetMs))
            break; // a writer that sends nothing: what came is what there is
    }
    fd.Close();
    return bytes;
}

} // namespace tavrin
