// The map file as users meet it: the exact bytes written, what a read takes
// from a file, and the texts of the input/output errors. No failure may leave
// a half-written file or a half-loaded map.

#include "acceptance.h"
#include "engine_test_support.h"
#include "map_file.h"
#include "map_string.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

class MapFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tavrin-map-file-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
        ::chmod(dir_.c_str(), 0755);
        state_ = FreshState(2024);
        state_->Messages = &sink_;
        CreateMap(*state_);
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string ErrorText(auto&& action) {
        try {
            action();
        } catch (const EInOutError& e) {
            return e.what();
        }
        return "no error";
    }

    std::string dir_;
    std::unique_ptr<TMapState> state_;
    TRecordingSink sink_;
};

} // namespace

TEST_F(MapFileTest, SavedFileIsSixtyTwoBytesAndLoadsBack) {
    const std::string path = Path("map.tvm");
    SaveMapFile(*state_, path);
    const std::string bytes = Read(path);
    EXPECT_EQ(bytes, MakeMapString(*state_) + "\r\n");
    auto other = FreshState();
    ASSERT_TRUE(LoadMapFile(*other, path));
    EXPECT_EQ(MakeMapString(*other), MakeMapString(*state_));
}

TEST_F(MapFileTest, LineEndsAtCarriageReturnCtrlZOrEndOfFile) {
    const std::string map = MakeMapString(*state_);
    struct Case {
        std::string bytes, line;
    };
    const std::vector<Case> cases = {
        {map, map},
        {map + "\r\n" + "second line is never read", map},
        {map + "\x1a" + "after Ctrl-Z", map},
        {map + "\n", map + "\n"}, // a line feed alone belongs to the line
        {"", ""},
        {std::string("ab\0cd\r", 6), std::string("ab\0cd", 5)},
        {std::string(5000, 'x') + "\r\n", std::string(MapLineLimit, 'x')},
    };
    for (const Case& c : cases) {
        Write(Path("in.tvm"), c.bytes);
        EXPECT_EQ(ReadMapFileLine(Path("in.tvm")), c.line);
    }
}

TEST_F(MapFileTest, WrongLinesAreRefusedWithTheLengthMessage) {
    const std::string map = MakeMapString(*state_);
    const std::string before = map;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {map + "\n", map + "\n"},
        {map + "  \r\n", map + "  "},
        {map + map + "\r\n", (map + map).substr(0, 100) + "..."},
        {"", ""},
    };
    for (const auto& [bytes, shown] : cases) {
        Write(Path("bad.tvm"), bytes);
        sink_.Messages.clear();
        EXPECT_FALSE(LoadMapFile(*state_, Path("bad.tvm")));
        ASSERT_EQ(sink_.Messages.size(), 1u);
        EXPECT_EQ(sink_.Messages[0], "Internal Error: mapstring not valid=" + shown);
        EXPECT_EQ(MakeMapString(*state_), before);
    }
}

TEST_F(MapFileTest, BadRotationChangesNoTile) {
    std::string map = MakeMapString(*FreshState(3));
    map[14] = static_cast<char>(107);
    Write(Path("rot.tvm"), map + "\r\n");
    const std::string before = MakeMapString(*state_);
    EXPECT_THROW(LoadMapFile(*state_, Path("rot.tvm")), ERangeError);
    EXPECT_EQ(MakeMapString(*state_), before);
}

TEST_F(MapFileTest, FailuresCarryTheTextOfTheirCode) {
    EXPECT_EQ(ErrorText([&] { ReadMapFileLine(Path("missing.tvm")); }), "File not found");
    EXPECT_EQ(ErrorText([&] { ReadMapFileLine(Path("no/such/dir.tvm")); }), "File not found");
    Write(Path("plain"), "x");
    EXPECT_EQ(ErrorText([&] { ReadMapFileLine(Path("plain/inside.tvm")); }), "Invalid filename");
    EXPECT_EQ(ErrorText([&] { ReadMapFileLine(dir_); }), "File access denied");
    EXPECT_EQ(ErrorText([&] { SaveMapFile(*state_, dir_); }), "File access denied");
    EXPECT_EQ(ErrorText([&] { SaveMapFile(*state_, "/dev/full"); }), "Disk full");
    EXPECT_EQ(ErrorText([&] { SaveMapFile(*state_, Path("none/map.tvm")); }), "File not found");
    // Errors without a code of their own show their number.
    // Other errors show their own number, unless it reads as a named code.
    EXPECT_EQ(EInOutError(InOutCode(EBADF)).what(), std::string("I/O error 9"));
    EXPECT_EQ(EInOutError(InOutCode(EIO)).what(), std::string("I/O error 1005"));
}

TEST_F(MapFileTest, FolderWithoutWritePermissionIsAccessDenied) {
    const std::string locked = Path("locked");
    ASSERT_EQ(::mkdir(locked.c_str(), 0555), 0);
    // Root passes every permission check: act as an ordinary user meanwhile.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const std::string text = ErrorText([&] { SaveMapFile(*state_, locked + "/map.tvm"); });
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    EXPECT_EQ(text, "File access denied");
}

TEST_F(MapFileTest, FailedSaveKeepsThePreviousFileByteForByte) {
    const std::string path = Path("keep.tvm");
    auto old = FreshState(77);
    CreateMap(*old);
    SaveMapFile(*old, path);
    const std::string before = Read(path);
    // Let no file grow past 30 bytes: the new map cannot be written whole.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 30;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string text = ErrorText([&] { SaveMapFile(*state_, path); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(text, "Disk full");
    EXPECT_EQ(Read(path), before);
    // No temporary file is left behind.
    EXPECT_EQ(std::system(("test $(ls -A '" + dir_ + "' | wc -l) -eq 1").c_str()), 0);
}

TEST_F(MapFileTest, SaveKeepsALinkAndTheFilesMode) {
    const std::string file = Path("real.tvm"), link = Path("link.tvm");
    Write(file, "old\r\n");
    ::chmod(file.c_str(), 0640);
    ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
    SaveMapFile(*state_, link);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Read(file), MakeMapString(*state_) + "\r\n");
}
