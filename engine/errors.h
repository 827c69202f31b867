#pragma once
// The engine's errors that end a command. Each carries the exact text the
// user sees; the program catches them in one place per command and shows the
// error box. Errors about a file (input/output, an invalid bitmap) are the
// file layer's EFileError family, caught in the same place.

#include "translatable.h"

#include <stdexcept>
#include <string>

namespace tavrin {

class ETavrinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index or a value outside its declared range.
class ERangeError : public ETavrinError {
public:
    ERangeError() : ETavrinError(TAVRIN_TEXT("Core", "Range check error")) {}
};

// A 32-bit addition, subtraction or multiplication that left the signed range.
class EIntOverflow : public ETavrinError {
public:
    EIntOverflow() : ETavrinError(TAVRIN_TEXT("Core", "Integer overflow")) {}
};

} // namespace tavrin
