#pragma once
// What tavrin-cli writes about its input must stay one line and must not
// drive the terminal: a file name or a map line may hold any bytes.

#include <string>
#include <string_view>

namespace tavrin::cli {

// `text` with every byte that is not part of a printable character shown
// escaped: "\0", "\t", "\n", "\r", others as "\xHH" (the escape character is
// "\x1b"). Escaped are the control characters (C0, DEL, C1), the invisible
// characters that reorder or break lines (bidirectional controls, line and
// paragraph separators, zero-width ones), and bytes that are not UTF-8.
// Printable characters of every script stay as they are.
std::string TerminalLine(std::string_view text);

} // namespace tavrin::cli
