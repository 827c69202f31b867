#pragma once
// Floating-point std::from_chars and std::to_chars for the WebAssembly
// build. Debian's emscripten (3.1.6) ships the libc++ of LLVM 14, which has
// only the integer overloads; the engine's own sources use the floating ones
// and compile unchanged with this header forced in (-include) for the module
// alone. In the module the C library's locale is always "C", so strtod and
// snprintf read and write a full stop as the decimal point.
//
// Only what the engine uses: from_chars of a double in plain decimal
// notation, and to_chars of a double in the shortest fixed notation that
// reads back as the same value.

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value) {
    const string text(first, last);
    char* end = nullptr;
    const double read = strtod(text.c_str(), &end);
    if (end == text.c_str())
        return {first, errc::invalid_argument};
    value = read;
    return {first + (end - text.c_str()), errc()};
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format) {
    if (format != chars_format::fixed)
        return {last, errc::value_too_large};
    char buffer[400];
    for (int digits = 0; digits <= 330; ++digits) {
        const int length = snprintf(buffer, sizeof buffer, "%.*f", digits, value);
        if (length < 0 || length >= static_cast<int>(sizeof buffer))
            break;
        if (strtod(buffer, nullptr) == value) {
            if (length > last - first)
                return {last, errc::value_too_large};
            for (int i = 0; i < length; ++i)
                first[i] = buffer[i];
            return {first + length, errc()};
        }
    }
    return {last, errc::value_too_large};
}

} // namespace std

#endif
