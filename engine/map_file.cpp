#include "map_file.h"

#include "errors.h"
#include "map_string.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;
constexpr char CtrlZ = 26;

[[noreturn]] void Fail() {
    throw EInOutError(InOutCode(errno));
}

// Closes a descriptor when the scope ends unless it was closed on purpose
// (where a failed close is an error of its own).
class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    void Close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            Fail();
    }

private:
    int fd_;
};

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes straight into the file: for targets that cannot be replaced by a
// rename (devices, pipes).
void WriteInPlace(const std::string& path, std::string_view bytes) {
    TDescriptor fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (fd.Get() < 0)
        Fail();
    WriteAll(fd.Get(), bytes);
    fd.Close();
}

} // namespace

int InOutCode(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return 101;
    default:
        // Other errors show their own number, moved out of the way where it
        // would read as one of the codes above (EIO is 5 on Linux).
        switch (errnoValue) {
        case 2:
        case 3:
        case 4:
        case 5:
        case 100:
        case 101:
        case 106:
            return 1000 + errnoValue;
        default:
            return errnoValue;
        }
    }
}

std::string ReadMapFileLine(const std::string& path) {
    TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        Fail();
    std::string line;
    char buffer[128];
    bool ended = false;
    while (!ended && line.size() < MapLineLimit) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail();
        }
        if (n == 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == CR || buffer[i] == CtrlZ || line.size() == MapLineLimit) {
                ended = true;
                break;
            }
            line += buffer[i];
        }
    }
    fd.Close();
    return line;
}

void WriteMapFileLine(const std::string& path, std::string_view line) {
    std::string bytes(line);
    bytes += CR;
    bytes += LF;

    // Follow a link to the file it names, so the link itself survives.
    std::string target = path;
    struct stat existing {};
    bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            throw EInOutError(5);
        if (!S_ISREG(existing.st_mode)) {
            WriteInPlace(path, bytes);
            return;
        }
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    } else if (errno != ENOENT) {
        Fail();
    }

    // Write a temporary file beside the target and rename it over the target
    // once it is complete and on disk.
    std::string temp = DirectoryOf(target) + "/.tavrin-save-XXXXXX";
    TDescriptor fd(::mkstemp(temp.data()));
    if (fd.Get() < 0)
        Fail();
    try {
        mode_t mode = exists ? (existing.st_mode & 07777) : 0;
        if (!exists) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (::fchmod(fd.Get(), mode) != 0)
            Fail();
        WriteAll(fd.Get(), bytes);
        if (::fsync(fd.Get()) != 0)
            Fail();
        fd.Close();
        if (::rename(temp.c_str(), target.c_str()) != 0)
            Fail();
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

bool LoadMapFile(TMapState& state, const std::string& path) {
    return ReadMapString(state, ReadMapFileLine(path));
}

void SaveMapFile(const TMapState& state, const std::string& path) {
    WriteMapFileLine(path, MakeMapString(state));
}

} // namespace tavrin
