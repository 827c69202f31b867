// Saving a file: whole or not at all, through links, in place for pipes and
// devices, and never killed by a file-size limit.

#include "file_save.h"
#include "file_test_support.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
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
        int queued = 0;
        while (::ioctl(reader, FIONREAD, &queued) == 0 && queued < capacity)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ::close(reader);
    });
    EXPECT_EQ(ErrorText([&] { SaveFile(fifo, std::string(1 << 20, 'p')); }), "I/O error 32");
    leaving.join();
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
}

TEST_F(FileSave, DeviceNodeIsWrittenInPlace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a device node needs root";
    const std::string device = Path("null-device");
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0); // like /dev/null
    ASSERT_EQ(::symlink("null-device", Path("picture.bmp").c_str()), 0);
    SaveFile(device, Bytes);
    SaveFile(Path("picture.bmp"), Bytes);
    EXPECT_TRUE(S_ISCHR(ModeOf(device)));
    EXPECT_TRUE(S_ISLNK(ModeOf(Path("picture.bmp"))));
}
