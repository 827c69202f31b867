// The session's map history on its own: the limit, and a map shown twice in a
// row. Going back and forward, and a new map after going back, are tested
// at the session core, with the maps a seed makes.

#include "map_history.h"

#include <gtest/gtest.h>

namespace {

THistoryEntry Map(int n) {
    return {
        std::string(60, static_cast<char>('A' + n % 50)) + std::to_string(n), std::nullopt, {}, {}};
}

TEST(MapHistory, KeepsTheLastHundredMaps) {
    TMapHistory history;
    EXPECT_FALSE(history.Current());
    EXPECT_FALSE(history.CanGoBack());
    for (int n = 1; n <= 105; ++n)
        history.Add(Map(n));
    EXPECT_EQ(history.Size(), TMapHistory::Capacity);
    EXPECT_EQ(*history.Current(), Map(105));
    while (history.CanGoBack())
        history.Back();
    EXPECT_EQ(*history.Current(), Map(6));
}

// Loading the same file twice must not make Back show the same map.
TEST(MapHistory, TheSameMapAgainAddsNothing) {
    TMapHistory history;
    history.Add(Map(1));
    history.Add(Map(2));
    history.Add(Map(2));
    EXPECT_EQ(history.Size(), std::size_t{2});
    // The same string made from a seed is another entry: it names the map.
    history.Add({Map(2).MapString, TSeedPosition{7, 1}, {}, {}});
    EXPECT_EQ(history.Size(), std::size_t{3});
}

} // namespace
