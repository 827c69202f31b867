// The page's kept maps and history as the browser's storage holds them:
// texts of any size and content are read within the limits, and what the
// page writes reads back.

#include "share_code.h"
#include "stored_lists.h"

#include <gtest/gtest.h>

namespace {

using tavrin::web::TPageHistoryEntry;

std::string Map(int n) {
    std::string map;
    for (int tile = 0; tile < 20; ++tile)
        map += std::string{static_cast<char>('A' + n % 26), static_cast<char>('A' + n / 26 % 26),
                           static_cast<char>('e' + tile % 6)};
    return map;
}

std::string Lines(int from, int to, const std::string& rest) {
    std::string text;
    for (int n = from; n <= to; ++n)
        text += tavrin::ShareCode(Map(n)) + rest + "\n";
    return text;
}

TEST(PageStoredLists, AnyTextIsReadWithinTheLimits) {
    struct TCase {
        const char* Name;
        std::string Text;
        std::size_t Kept;
        std::size_t History;
    };
    std::string junk;
    for (int i = 0; i < 1000000; ++i)
        junk += "NOT-A-MAP\tname\n";
    const TCase cases[] = {
        {"empty", "", 0, 0},
        {"a million lines of no maps", junk, 0, 0},
        {"longer than the limits", Lines(1, 150, "\t7\t2"), 100, 100},
        {"no maps among maps",
         Lines(1, 2, "\tx\ty") + "garbage\n\t\t\n" + tavrin::ShareCode(std::string(60, 'z')) +
             "\n" + Lines(3, 3, ""),
         3, 3},
        {"no line end", Lines(1, 1, "").substr(0, 40), 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(tavrin::web::ReadKeptMaps(c.Text).size(), c.Kept);
        const std::vector<TPageHistoryEntry> history = tavrin::web::ReadHistory(c.Text);
        ASSERT_EQ(history.size(), c.History);
        if (c.History == 100) {
            EXPECT_EQ(history.front().MapString, Map(51)); // the newest are kept
        }
    }
}

// Names go on one line; a map shown again at once is not added again; the
// oldest leave past the limit. (Reading back what was read is the fuzz
// target's law.)
TEST(PageStoredLists, WhatThePageWritesReadsBack) {
    const std::vector<tavrin::TKeptMap> read =
        tavrin::web::ReadKeptMaps(tavrin::web::KeptMapsText({{"Lake\tand\nhills", Map(1)}}));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Name, "Lake and hills");

    std::vector<TPageHistoryEntry> history;
    tavrin::web::AddToHistory(history, {Map(1), 12345u, 3});
    tavrin::web::AddToHistory(history, {Map(1), 12345u, 3}); // shown again: not added
    tavrin::web::AddToHistory(history, {Map(2), std::nullopt, 0});
    EXPECT_EQ(tavrin::web::ReadHistory(tavrin::web::HistoryText(history)), history);
    for (int n = 0; n < 200; ++n)
        tavrin::web::AddToHistory(history, {Map(n), std::nullopt, 0});
    EXPECT_EQ(history.size(), tavrin::HistoryLimit);
}

} // namespace
