#include "descriptor.h"

#include "in_out_error.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace tavrin::files {

TDescriptor::~TDescriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

void TDescriptor::Close() {
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close reports an error, so it
    // is never retried.
    if (::close(fd) != 0 && errno != EINTR)
        Fail();
}

void TDescriptor::Fail() const {
    ThrowInOutError(errno, path_);
}

bool TDescriptor::WaitReady(short events, int& budgetMs) const {
    using Clock = std::chrono::steady_clock;
    while (budgetMs > 0) {
        pollfd entry{fd_, events, 0};
        const auto start = Clock::now();
        const int ready = ::poll(&entry, 1, budgetMs);
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        budgetMs -= static_cast<int>(std::max<long long>(spent, 1));
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            Fail();
    }
    return false;
}

} // namespace tavrin::files
