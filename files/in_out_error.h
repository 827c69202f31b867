#pragma once
// Input/output errors: a failed open, read, write or close. Every failure of
// the file layer is one of these, its code taken from the system's error
// number through one table and its text from the code:
//   2 "File not found", 3 "Invalid filename", 4 "Too many open files",
//   5 "File access denied", 100 "Read beyond end of file", 101 "Disk full",
//   106 "Invalid numeric input", any other code "I/O error N".

#include "file_error.h"

#include <string>

namespace tavrin {

class EInOutError : public EFileError {
public:
    EInOutError(int code, std::string path);

    int Code() const { return code_; }

    // The text shown for `code`.
    static std::string TextFor(int code);

private:
    int code_;
};

// The code for a system error number. Numbers without a code of their own
// keep their value, moved to 1000 + N where N would read as one of the named
// codes (EIO is 5 on Linux: "I/O error 1005", not "File access denied").
int InOutCode(int errnoValue);

// Raises EInOutError for `errnoValue` on `path`.
[[noreturn]] void ThrowInOutError(int errnoValue, const std::string& path);

} // namespace tavrin
