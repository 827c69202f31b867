// What tavrin-cli shows of outside bytes: one line, nothing the terminal
// would obey, every printable character as it is.

#include "terminal_text.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(TerminalLine, EscapesWhatWouldNotShow) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain map.tvm", "plain map.tvm"},
        {"\x1b]0;title\x07\x1b[2J", "\\x1b]0;title\\x07\\x1b[2J"},
        {"two\nlines\r", "two\\nlines\\r"},
        {std::string("nul\0tab\t", 8), "nul\\0tab\\t"},
        {"del\x7f", "del\\x7f"},
        {"carte \xc3\xa9t\xc3\xa9 \xe2\x9c\x93 \xf0\x9f\x97\xba",
         "carte \xc3\xa9t\xc3\xa9 \xe2\x9c\x93 \xf0\x9f\x97\xba"},
        {"\xc2\x9b"
         "2J",
         "\\xc2\\x9b2J"},                                        // C1 control sequence introducer
        {"abc\xe2\x80\xaegnp.exe", "abc\\xe2\\x80\\xaegnp.exe"}, // right-to-left override
        {"a\xe2\x80\xa8z", "a\\xe2\\x80\\xa8z"},                 // line separator
        {"\xfe.png", "\\xfe.png"},
        {"\xc0\xaf", "\\xc0\\xaf"},          // overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"}, // a surrogate
        {"cut \xe2\x82", "cut \\xe2\\x82"},
        {"\xe2\x82"
         "A",
         "\\xe2\\x82"
         "A"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(tavrin::cli::TerminalLine(text), shown) << shown;
}
