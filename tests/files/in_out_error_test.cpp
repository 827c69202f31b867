// One table from the system's error numbers to the program's codes, and the
// text of every code.

#include "in_out_error.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

using namespace tavrin;

TEST(InOutError, TextFollowsTheCode) {
    const std::vector<std::pair<int, std::string>> cases = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {28, "I/O error 28"},
        {1005, "I/O error 1005"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(EInOutError(code, "f").what(), text);
}

TEST(InOutError, SystemErrorsMapOntoTheCodes) {
    const std::vector<std::pair<int, int>> cases = {
        {ENOENT, 2},
        {ENOTDIR, 3},
        {ENAMETOOLONG, 3},
        {ELOOP, 3},
        {EINVAL, 3},
        {EMFILE, 4},
        {ENFILE, 4},
        {EACCES, 5},
        {EPERM, 5},
        {EROFS, 5},
        {EISDIR, 5},
        {ETXTBSY, 5},
        {ENOSPC, 101},
        {EDQUOT, 101},
        {EFBIG, 101},
        // Others keep their number, moved clear of a named code they would read as.
        {EBADF, 9},
        {ENXIO, 6},
        {EPIPE, 32},
        {EIO, 1005},
    };
    for (const auto& [errnoValue, code] : cases)
        EXPECT_EQ(InOutCode(errnoValue), code) << errnoValue;
}
