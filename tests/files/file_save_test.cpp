// Saving a file: whole or not at all, through links, in place for pipes and
// devices, and never killed by a file-size limit.

#include "file_read.h"
#include "file_save.h"
#include "file_test_support.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

class FileSave : public FileTest {
protected:
    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode;
    }
};

const std::string Bytes = "the new bytes\r\n";

// The longest a test waits for the save to reach a point; a save that never
// does fails the test instead of hanging it.
constexpr std::chrono::seconds WaitLimit{30};

} // namespace

TEST_F(FileSave, NewFileGetsTheBytesAndTheUmasksMode) {
    const mode_t mask = ::umask(027);
    SaveFile(Path("new.tvm"), Bytes);
    ::umask(mask);
    EXPECT_EQ(Read(Path("new.tvm")), Bytes);
    EXPECT_EQ(ModeOf(Path("new.tvm")) & 07777, 0640u);
    EXPECT_EQ(Listing(), "new.tvm\n"); // no temporary file left
}

TEST_F(FileSave, ExistingFileKeepsItsModeAndLinksStayLinks) {
    const std::string file = Path("real.tvm");
    Write(file, "old bytes, longer than the new ones\r\n");
    ::chmod(file.c_str(), 0604);
    ASSERT_EQ(::symlink("real.tvm", Path("relative").c_str()), 0);
    ASSERT_EQ(::symlink(Path("relative").c_str(), Path("chain").c_str()), 0);
    SaveFile(Path("chain"), Bytes);
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("chain"))));
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("relative"))));
    EXPECT_EQ(ModeOf(file) & 07777, 0604u);
    EXPECT_EQ(Read(file), Bytes);
}

// A link to a file that does not exist yet: the file is created where the
// link points, and the link stays.
TEST_F(FileSave, DanglingLinkGetsItsTargetCreated) {
    ASSERT_EQ(::mkdir(Path("sub").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("sub/target.tvm", Path("link.tvm").c_str()), 0);
    SaveFile(Path("link.tvm"), Bytes);
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("link.tvm"))));
    EXPECT_EQ(Read(Path("sub/target.tvm")), Bytes);

    ASSERT_EQ(::symlink("loop", Path("loop").c_str()), 0);
    EXPECT_EQ(ErrorText([&] { SaveFile(Path("loop"), Bytes); }), "Invalid filename");
}

TEST_F(FileSave, RefusedTargetsKeepWhatWasThere) {
    Write(Path("readonly.tvm"), "kept");
    ::chmod(Path("readonly.tvm").c_str(), 0444);
    ASSERT_EQ(::mkdir(Path("locked").c_str(), 0555), 0);
    ASSERT_EQ(::symlink("locked/new.tvm", Path("into-locked").c_str()), 0);
    struct Case {
        std::string path, text;
    };
    const std::vector<Case> cases = {
        {dir_, "File access denied"},
        {Path("readonly.tvm"), "File access denied"},
        {Path("locked/new.tvm"), "File access denied"},
        {Path("into-locked"), "File access denied"},
        {Path("none/map.tvm"), "File not found"},
        {Path("readonly.tvm/inside"), "Invalid filename"},
        {"/dev/full", "Disk full"},
    };
    {
        AsOrdinaryUser nobody;
        if (nobody.Refused())
            GTEST_SKIP() << AsOrdinaryUser::RefusedText;
        for (const Case& c : cases)
            EXPECT_EQ(ErrorText([&] { SaveFile(c.path, Bytes); }), c.text) << c.path;
    }
    EXPECT_EQ(Read(Path("readonly.tvm")), "kept");
    EXPECT_EQ(Listing(), "into-locked\nlocked\nreadonly.tvm\n");
}

// A file-size limit makes the write fail: the save reports "Disk full",
// removes its temporary file and leaves the old file as it was. Run in a
// child process with the signal's default action, as a fresh program has it.
TEST_F(FileSave, FileSizeLimitReadsAsDiskFull) {
    const std::string path = Path("keep.tvm");
    const std::string old = "the previous map, byte for byte\r\n";
    for (const rlim_t limit : {rlim_t{0}, rlim_t{8}}) {
        Write(path, old);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::alarm(30); // a save that hangs ends the child instead of the test run
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit tight{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &tight);
            const std::string text = ErrorText([&] { SaveFile(path, std::string(64, 'x')); });
            ::_exit(text == "Disk full" ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status))
            << "limit " << limit << ": ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0) << "limit " << limit << ": not reported as Disk full";
        EXPECT_EQ(Read(path), old);
        EXPECT_EQ(Listing(), "keep.tvm\n");
    }
}

// A save ended by SIGINT, SIGTERM or SIGHUP (Ctrl+C, kill, a closed
// terminal) removes its temporary file and leaves the old file whole; the
// program still ends by the signal. Run in a child with the signals' default
// actions, as a fresh program has them.
TEST_F(FileSave, InterruptedSaveLeavesNoTemporaryFile) {
    const std::string path = Path("keep.csv");
    const std::string old = "the previous figures\n";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Write(path, old);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (const int s : {SIGINT, SIGTERM, SIGHUP})
                std::signal(s, SIG_DFL);
            TFileSave save(path);
            save.Write(std::string(1 << 20, 'x'));
            (void)!::write(ready[1], "!", 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        EXPECT_NE(Listing().find(".tavrin-save-"), std::string::npos); // it was there
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal);
        EXPECT_EQ(Read(path), old) << strsignal(signal);
        EXPECT_EQ(Listing(), "keep.csv\n") << strsignal(signal);
    }
}

// What a link leads to is answered as that thing named directly.
TEST_F(FileSave, LinkedFolderFifoAndDeviceAnswerAsNamedDirectly) {
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(Path("sub").c_str(), 0755), 0);
    for (const std::string& target : {Path("folder"), Path("fifo"), std::string("/dev/full")}) {
        const std::string name = target.substr(target.rfind('/') + 1);
        ASSERT_EQ(::symlink(target.c_str(), Path("to-" + name).c_str()), 0);
        ASSERT_EQ(::symlink(("../to-" + name).c_str(), Path("sub/" + name).c_str()), 0);
        const std::string direct = ErrorText([&] { SaveFile(target, Bytes); });
        EXPECT_NE(direct, "no error") << target;
        EXPECT_EQ(ErrorText([&] { SaveFile(Path("to-" + name), Bytes); }), direct) << target;
        EXPECT_EQ(ErrorText([&] { SaveFile(Path("sub/" + name), Bytes); }), direct) << target;
    }
}

// A FIFO is written in place, named directly or through a link; one with no
// reader fails at once instead of blocking, and one whose reader goes away
// fails with its error instead of ending the program.
TEST_F(FileSave, FifoIsWrittenInPlaceWithoutBlocking) {
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink("fifo", Path("fifo-link.bmp").c_str()), 0);
    EXPECT_EQ(ErrorText([&] { SaveFile(fifo, Bytes); }), "I/O error 6"); // ENXIO: no reader

    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    for (const std::string& path : {fifo, Path("fifo-link.bmp")}) {
        SaveFile(path, Bytes);
        std::string got(Bytes.size(), '\0');
        EXPECT_EQ(::read(reader, got.data(), got.size()), static_cast<ssize_t>(Bytes.size()));
        EXPECT_EQ(got, Bytes);
    }
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("fifo-link.bmp"))));

    // More than the pipe holds, and the reader leaves while the save waits:
    // once the pipe is full, the save is waiting on it.
    const int capacity = ::fcntl(reader, F_GETPIPE_SZ);
    ASSERT_GT(capacity, 0);
    std::thread leaving([reader, capacity] {
        const auto deadline = std::chrono::steady_clock::now() + WaitLimit;
        int queued = 0;
        while (::ioctl(reader, FIONREAD, &queued) == 0 && queued < capacity &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_GE(queued, capacity) << "the save never filled the pipe";
        ::close(reader);
    });
    EXPECT_EQ(ErrorText([&] { SaveFile(fifo, std::string(1 << 20, 'p')); }), "I/O error 32");
    leaving.join();
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
}

// Making a device node needs a root that the system lets make one: a root
// inside a user namespace (rootless containers, many CI runners) is refused.
TEST_F(FileSave, DeviceNodeIsWrittenInPlace) {
    const std::string device = Path("null-device");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) // like /dev/null
        GTEST_SKIP() << "the system refuses to make a device node: " << std::strerror(errno);
    ASSERT_EQ(::symlink("null-device", Path("picture.bmp").c_str()), 0);
    SaveFile(device, Bytes);
    SaveFile(Path("picture.bmp"), Bytes);
    EXPECT_TRUE(S_ISCHR(ModeOf(device)));
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("picture.bmp"))));
}

// Names are bytes: a name that is not UTF-8 is written as given, and the file
// its lossy reading would name stays as it was.
TEST_F(FileSave, HostileNamesReachTheSystemAsTheirBytes) {
    Write(Path("\xef\xbf\xbd.png"), "unrelated");
    const std::vector<std::string> names = {"\xfe.png",   "t\xff",        "\x1b[2J.tvm",
                                            "line\nfeed", "\xc3\x28.bmp", " lead and trail "};
    for (const std::string& name : names) {
        SaveFile(Path(name), Bytes);
        EXPECT_EQ(Read(Path(name)), Bytes);
        EXPECT_EQ(ReadFileHead(Path(name), 100), Bytes);
    }
    EXPECT_EQ(Read(Path("\xef\xbf\xbd.png")), "unrelated");
    std::size_t files = 0;
    for (const char c : Listing())
        files += c == '\n';
    EXPECT_EQ(files, names.size() + 2); // "line\nfeed" is listed on two lines
}

// A reader slower than the save, taking small pieces with pauses longer in
// all than the wait: the save goes on as long as bytes keep moving.
TEST_F(FileSave, SlowFifoReaderGetsEveryByte) {
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const std::string bytes(1 << 20, 's');
    std::string got;
    std::thread slow([&] {
        char piece[64 * 1024];
        pollfd entry{reader, POLLIN, 0};
        const int waitMs = static_cast<int>(std::chrono::milliseconds(WaitLimit).count());
        while (::poll(&entry, 1, waitMs) > 0) {
            const ssize_t n = ::read(reader, piece, sizeof piece);
            if (n == 0)
                break; // the save has closed its end
            if (n > 0)
                got.append(piece, static_cast<std::size_t>(n));
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    EXPECT_EQ(ErrorText([&] { SaveFile(fifo, bytes); }), "no error");
    slow.join();
    ::close(reader);
    EXPECT_EQ(got.size(), bytes.size());
}

// /dev/stdout and /proc/self/fd/N lead to a pipe through links that read as
// "pipe:[N]": they are opened as they stand and written in place.
TEST_F(FileSave, StandardOutputPipeIsWrittenInPlace) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const int kept = ::dup(STDOUT_FILENO);
    ::dup2(ends[1], STDOUT_FILENO);
    const std::string viaStdout = ErrorText([] { SaveFile("/dev/stdout", "one\r\n"); });
    ::dup2(kept, STDOUT_FILENO);
    ::close(kept);
    EXPECT_EQ(viaStdout, "no error");
    SaveFile("/proc/self/fd/" + std::to_string(ends[1]), "two\r\n");
    ::close(ends[1]);
    std::string got(20, '\0');
    got.resize(static_cast<std::size_t>(std::max<ssize_t>(::read(ends[0], got.data(), 20), 0)));
    ::close(ends[0]);
    EXPECT_EQ(got, "one\r\ntwo\r\n");
}

// A save made piece by piece fails at its start when its folder is missing,
// changes its target only when committed, and leaves nothing behind when
// abandoned.
TEST_F(FileSave, StreamedSaveCommitsOnlyWhenWhole) {
    EXPECT_EQ(ErrorText([&] { TFileSave save(Path("none/rows.csv")); }), "File not found");
    Write(Path("rows.csv"), "old");
    {
        TFileSave abandoned(Path("rows.csv"));
        abandoned.Write("partial");
    }
    EXPECT_EQ(Read(Path("rows.csv")), "old");
    EXPECT_EQ(Listing(), "rows.csv\n");
    TFileSave save(Path("rows.csv"));
    save.Write("a,b\n");
    save.Write("1,2\n");
    EXPECT_EQ(Read(Path("rows.csv")), "old");
    save.Commit();
    EXPECT_EQ(Read(Path("rows.csv")), "a,b\n1,2\n");
    EXPECT_EQ(Listing(), "rows.csv\n");
}
