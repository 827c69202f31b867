#include "file_save.h"

#include "descriptor.h"
#include "in_out_error.h"
#include "interrupted_saves.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tavrin {
namespace {

using files::TDescriptor;

constexpr int MaxLinkHops = 40; // as the system allows when it follows links itself
constexpr int TempAttempts = 100;

// A write past the file-size limit raises SIGXFSZ, whose default action ends
// the process, and Linux may deliver it to any thread. Ignored, the write
// fails with EFBIG instead. A handler the program installed is left alone.
void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
        return;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

// Holds back SIGPIPE in this thread while bytes go into a pipe, so a reader
// that has gone away gives EPIPE instead of ending the program; the signal
// the write raised is discarded afterwards. (SIGPIPE goes to the writing
// thread, so no other thread sees it.)
class TPipeSignalHeld {
public:
    TPipeSignalHeld() {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, &old_);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    }
    TPipeSignalHeld(const TPipeSignalHeld&) = delete;
    TPipeSignalHeld& operator=(const TPipeSignalHeld&) = delete;
    ~TPipeSignalHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            const timespec now{};
            sigtimedwait(&pipe, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }

private:
    sigset_t old_{};
    bool wasPending_ = false;
};

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Beside(const std::string& directory, const std::string& name) {
    return directory.ends_with('/') ? directory + name : directory + "/" + name;
}

// What a save writes to: `path` with symbolic links followed to the name
// that is not a link, and what that name holds now.
struct TTarget {
    std::string Path;
    bool Exists = false;
    struct stat Info {};
};

TTarget ResolveTarget(const std::string& path) {
    TTarget target{path};
    for (int hops = 0;; ++hops) {
        if (::lstat(target.Path.c_str(), &target.Info) != 0) {
            if (errno != ENOENT)
                ThrowInOutError(errno, path);
            return target; // a new file, or a dangling link's target
        }
        if (!S_ISLNK(target.Info.st_mode)) {
            target.Exists = true;
            return target;
        }
        if (hops == MaxLinkHops)
            ThrowInOutError(ELOOP, path);
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.Path.c_str(), link.data(), link.size());
        if (n < 0)
            ThrowInOutError(errno, path);
        if (static_cast<std::size_t>(n) == link.size())
            ThrowInOutError(ENAMETOOLONG, path);
        link.resize(static_cast<std::size_t>(n));
        target.Path = link.starts_with('/') ? link : Beside(DirectoryOf(target.Path), link);
    }
}

// Writes every byte, waiting while a pipe or device is full. The wait ends
// the save only after ReadyWaitMs in which no byte moved: a slow reader that
// keeps taking bytes is waited for as long as it reads.
void WriteAll(const TDescriptor& fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd.Get(), bytes.data(), bytes.size());
        if (n >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            fd.Fail();
        int budgetMs = files::ReadyWaitMs;
        if (!fd.WaitReady(POLLOUT, budgetMs)) {
            errno = EAGAIN;
            fd.Fail();
        }
    }
}

// A name no other save uses at the same moment; O_EXCL settles any clash.
std::string TempName(int attempt) {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x =
        static_cast<std::uint64_t>(::getpid()) << 32 ^ counter.fetch_add(1) ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(attempt) << 48;
    // splitmix64: spreads the bits so that nearby inputs give unrelated names
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ x >> 30) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ x >> 27) * 0x94d049bb133111ebull;
    x ^= x >> 31;
    std::string name = ".tavrin-save-";
    for (int i = 0; i < 8; ++i, x /= 36)
        name += "abcdefghijklmnopqrstuvwxyz0123456789"[x % 36];
    return name;
}

// Creates the temporary file in `directory` with mode 0666 less the umask,
// which the system applies itself; returns its descriptor.
int CreateTemp(const std::string& directory, const std::string& path, std::string& tempPath) {
    for (int attempt = 0;; ++attempt) {
        tempPath = Beside(directory, TempName(attempt));
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST || attempt == TempAttempts)
            ThrowInOutError(errno, path);
    }
}

// Makes the rename itself durable; a folder that cannot be synced is no
// reason to report a save that is complete.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// What `path` names when that is to be written in place: a device, a FIFO,
// or a pipe or terminal reached through /proc (whose links read as text
// such as "pipe:[1234]" and can only be followed by opening them).
bool IsWrittenInPlace(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false; // new, a dangling link, or a failure lstat will name
    if (S_ISDIR(info.st_mode))
        ThrowInOutError(EISDIR, path);
    return !S_ISREG(info.st_mode);
}

} // namespace

TFileSave::TFileSave(const std::string& path) : path_(path) {
    IgnoreFileSizeSignal();
    if (IsWrittenInPlace(path)) {
        TPipeSignalHeld held;
        fd_ = std::make_unique<TDescriptor>(
            ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), path);
        if (fd_->Get() < 0)
            fd_->Fail(); // a FIFO with no reader: ENXIO
        return;
    }
    const TTarget target = ResolveTarget(path);
    if (target.Exists && S_ISDIR(target.Info.st_mode))
        ThrowInOutError(EISDIR, path);
    if (target.Exists && ::faccessat(AT_FDCWD, target.Path.c_str(), W_OK, AT_EACCESS) != 0)
        ThrowInOutError(errno, path);
    target_ = target.Path;
    directory_ = DirectoryOf(target_);
    fd_ = std::make_unique<TDescriptor>(CreateTemp(directory_, path, temp_), path);
    slot_ = files::RegisterSaveInProgress(temp_);
    if (target.Exists) {
        const struct stat& was = target.Info;
        if ((was.st_uid != ::geteuid() || was.st_gid != ::getegid()) &&
            ::fchown(fd_->Get(), was.st_uid, was.st_gid) != 0) {
            // Not allowed to give the file away: it stays the saver's.
        }
        if (::fchmod(fd_->Get(), was.st_mode & 07777) != 0) {
            const int error = errno;
            ::unlink(temp_.c_str());
            files::ReleaseSaveInProgress(slot_);
            ThrowInOutError(error, path);
        }
    }
}

TFileSave::~TFileSave() {
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    files::ReleaseSaveInProgress(slot_);
}

void TFileSave::Write(std::string_view bytes) {
    if (!fd_)
        ThrowInOutError(EBADF, path_); // committed already
    TPipeSignalHeld held;
    WriteAll(*fd_, bytes);
}

void TFileSave::Commit() {
    if (!fd_)
        ThrowInOutError(EBADF, path_);
    const std::unique_ptr<TDescriptor> fd = std::move(fd_);
    if (target_.empty()) {
        TPipeSignalHeld held;
        fd->Close();
        return;
    }
    if (::fsync(fd->Get()) != 0)
        fd->Fail();
    fd->Close();
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        ThrowInOutError(errno, path_);
    temp_.clear();
    files::ReleaseSaveInProgress(std::exchange(slot_, -1));
    SyncDirectory(directory_);
}

void SaveFile(const std::string& path, std::string_view bytes) {
    TFileSave save(path);
    save.Write(bytes);
    save.Commit();
}

} // namespace tavrin
