// A file's stamp changes with every change a reader could see.

#include "file_stamp.h"
#include "file_test_support.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace tavrin;
using namespace tavrin::test;

namespace {

class FileStamp : public FileTest {
protected:
    // Sets the file's modification time to `seconds` (and `nanoseconds`).
    void Touch(const std::string& path, long seconds, long nanoseconds = 0) {
        const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }
};

} // namespace

TEST_F(FileStamp, ChangesWithSizeTimeOrInode) {
    const std::string path = Path("tile.bmp");
    Write(path, "aaaa");
    Touch(path, 1000);
    const auto first = FileStampOf(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->Regular);
    EXPECT_EQ(FileStampOf(path), first);

    Write(path, "bbbb"); // the same size, rewritten in place at the same time
    Touch(path, 1000);
    EXPECT_EQ(FileStampOf(path), first);
    Touch(path, 1000, 1); // one nanosecond later
    EXPECT_NE(FileStampOf(path), first);

    Write(Path("other"), "cccc"); // replaced by another file of the same size and time
    Touch(Path("other"), 1000);
    ASSERT_EQ(::rename(Path("other").c_str(), path.c_str()), 0);
    EXPECT_NE(FileStampOf(path), first);

    Write(path, "ccccc");
    Touch(path, 1000);
    EXPECT_NE(FileStampOf(path)->Size, first->Size);
}

TEST_F(FileStamp, NothingForAMissingFileAndNotRegularForOthers) {
    EXPECT_FALSE(FileStampOf(Path("missing")).has_value());
    EXPECT_FALSE(FileStampOf(dir_)->Regular);
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    EXPECT_FALSE(FileStampOf(Path("fifo"))->Regular); // looked at without blocking
    ASSERT_EQ(::symlink(Path("missing").c_str(), Path("dangling").c_str()), 0);
    EXPECT_FALSE(FileStampOf(Path("dangling")).has_value());
}
