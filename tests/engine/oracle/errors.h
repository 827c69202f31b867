#pragma once
// The errors that end a command. Each carries the exact text the user sees;
// the program catches them in one place per command and shows the error box.

#include <stdexcept>
#include <string>

namespace tavrin::oracle {

class ETavrinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index or a value outside its declared range.
class ERangeError : public ETavrinError {
public:
    ERangeError() : ETavrinError("Range check error") {}
};

// A 32-bit addition, subtraction or multiplication that left the signed range.
class EIntOverflow : public ETavrinError {
public:
    EIntOverflow() : ETavrinError("Integer overflow") {}
};

// A failed open, read, write or close of a file; the text follows the code.
class EInOutError : public ETavrinError {
public:
    explicit EInOutError(int code) : ETavrinError(TextFor(code)), Code(code) {}
    int Code;

    static std::string TextFor(int code);
};

} // namespace tavrin::oracle
