#pragma once
// Internal to the file layer: an open file descriptor that closes itself, and
// the bounded wait for a pipe or device that is not ready yet. Failures raise
// EInOutError naming the descriptor's path.

#include <string>

namespace tavrin::files {

// How long a read or write waits, with no byte moved, for a pipe or device
// that has a writer or reader but no data or room yet. Every byte that moves
// starts the wait afresh; a regular file never waits.
inline constexpr int ReadyWaitMs = 1000;

class TDescriptor {
public:
    // Takes ownership of `fd` (which may be -1 after a failed open).
    TDescriptor(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor();

    int Get() const { return fd_; }
    const std::string& Path() const { return path_; }

    // Closes now; a failed close is an error of its own.
    void Close();

    // Raises EInOutError for the current errno.
    [[noreturn]] void Fail() const;

    // Waits until the descriptor is ready for `events` (poll's POLLIN or
    // POLLOUT), taking the time from `budgetMs`. False when the budget ran
    // out first.
    bool WaitReady(short events, int& budgetMs) const;

private:
    int fd_;
    std::string path_;
};

} // namespace tavrin::files
