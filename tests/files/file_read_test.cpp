// Reading a file's first bytes: bounded whatever the file's size, never
// blocking on a pipe, and every failure with its own text.

#include "file_read.h"
#include "file_test_support.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

class FileRead : public FileTest {};

// True once thread `tid` of this process sleeps, as a reader waiting for a
// pipe's bytes does.
bool Sleeping(pid_t tid) {
    std::ifstream stat("/proc/self/task/" + std::to_string(tid) + "/stat");
    const std::string text{std::istreambuf_iterator<char>(stat), {}};
    const std::size_t name = text.rfind(')'); // the state follows the name
    return name != std::string::npos && name + 2 < text.size() && text[name + 2] == 'S';
}

} // namespace

TEST_F(FileRead, KeepsAtMostTheBytesAskedFor) {
    struct Case {
        std::string bytes;
        std::size_t limit;
        std::string kept;
    };
    const std::vector<Case> cases = {
        {"", 10, ""},
        {"short", 10, "short"},
        {"exactly10!", 10, "exactly10!"},
        {std::string(200000, 'x') + "tail", 150000, std::string(150000, 'x')},
        {std::string("a\0b\r\n", 5), 100, std::string("a\0b\r\n", 5)},
    };
    for (const Case& c : cases) {
        Write(Path("in"), c.bytes);
        EXPECT_EQ(ReadFileHead(Path("in"), c.limit), c.kept);
    }
    // A sparse file of 1 TiB: only the head is ever read.
    const std::string huge = Path("huge");
    Write(huge, "head");
    ASSERT_EQ(::truncate(huge.c_str(), 1LL << 40), 0);
    EXPECT_EQ(ReadFileHead(huge, 4), "head");
}

// A FIFO nobody writes to is empty at once instead of blocking the open; one
// with a writer gives what is written until the writer closes it.
TEST_F(FileRead, FifoNeverBlocks) {
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileHead(fifo, 100), "");

    // A writer that is there before the read and sends once the reader
    // waits for it.
    const int writerFd = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writerFd, 0);
    const pid_t reader = ::gettid();
    std::thread writer([writerFd, reader] {
        // A read that never waits (it spins, or never starts) fails the
        // test instead of hanging it.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!Sleeping(reader) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_TRUE(Sleeping(reader)) << "the read never waited for the writer";
        ASSERT_EQ(::write(writerFd, "map line", 8), 8);
        ::close(writerFd);
    });
    EXPECT_EQ(ReadFileHead(fifo, 100), "map line");
    writer.join();
}

// Every failure carries its code's text and names its file.
TEST_F(FileRead, FailuresCarryTheTextOfTheirCodeAndTheirFile) {
    Write(Path("plain"), "x");
    Write(Path("secret"), "x");
    ::chmod(Path("secret").c_str(), 0); // unreadable by its owner too, when not root
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Path("missing.tvm"), "File not found"},
        {Path("no/such/dir.tvm"), "File not found"},
        {Path("plain/inside.tvm"), "Invalid filename"},
        {dir_, "File access denied"},
        {Path("secret"), "File access denied"},
        {Path(std::string(5000, 'n')), "Invalid filename"},
    };
    AsOrdinaryUser nobody;
    if (nobody.Refused())
        GTEST_SKIP() << AsOrdinaryUser::RefusedText;
    for (const auto& [path, text] : cases) {
        try {
            ReadFileHead(path, 10);
            ADD_FAILURE() << "no error for " << path;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.what(), text) << path;
            EXPECT_EQ(e.Path(), path);
        }
    }
}

// What a link leads to (directly, or through a link in another folder) is
// answered as that thing named directly: a folder refused, a FIFO without a
// writer and a device read at once.
TEST_F(FileRead, LinkedFolderFifoAndDeviceReadAsNamedDirectly) {
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(Path("sub").c_str(), 0755), 0);
    const auto answer = [](const std::string& path) {
        try {
            return "read " + std::to_string(ReadFileHead(path, 4).size()) + " bytes";
        } catch (const EInOutError& e) {
            return std::string(e.what());
        }
    };
    for (const std::string& target : {Path("folder"), Path("fifo"), std::string("/dev/zero")}) {
        const std::string name = target.substr(target.rfind('/') + 1);
        ASSERT_EQ(::symlink(target.c_str(), Path("to-" + name).c_str()), 0);
        ASSERT_EQ(::symlink(("../to-" + name).c_str(), Path("sub/" + name).c_str()), 0);
        EXPECT_EQ(answer(Path("to-" + name)), answer(target)) << target;
        EXPECT_EQ(answer(Path("sub/" + name)), answer(target)) << target;
    }
}
