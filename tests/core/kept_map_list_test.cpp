// The kept maps as a list: newest first, at most a hundred, and moves that
// keep every map once.

#include "kept_map_list.h"

#include <gtest/gtest.h>
#include <string>

namespace tavrin {
namespace {

TKeptMapEntry Kept(int n) {
    return {"map " + std::to_string(n), std::string(60, static_cast<char>('d' + n % 3))};
}

std::string Names(const TKeptMapList& list) {
    std::string names;
    for (const TKeptMapEntry& map : list.Maps())
        names += map.Name.substr(4) + " ";
    return names;
}

TEST(KeptMapList, NewestFirstAndAtMostAHundred) {
    TKeptMapList list;
    for (int n = 1; n <= 102; ++n)
        list.Add(Kept(n));
    ASSERT_EQ(list.Maps().size(), TKeptMapList::Limit);
    EXPECT_EQ(list.Maps().front(), Kept(102));
    EXPECT_EQ(list.Maps().back(), Kept(3));
    // A list stored longer than the limit (edited by hand) is cut on reading.
    std::vector<TKeptMapEntry> stored(105, Kept(0));
    EXPECT_EQ(TKeptMapList(stored).Maps().size(), TKeptMapList::Limit);
}

TEST(KeptMapList, RemoveAndMoveKeepEveryOtherMapInOrder) {
    TKeptMapList list;
    for (int n = 5; n >= 1; --n)
        list.Add(Kept(n));
    ASSERT_EQ(Names(list), "1 2 3 4 5 ");
    EXPECT_TRUE(list.Move(0, 3));
    EXPECT_EQ(Names(list), "2 3 4 1 5 ");
    EXPECT_TRUE(list.Move(4, 1));
    EXPECT_EQ(Names(list), "2 5 3 4 1 ");
    EXPECT_TRUE(list.Move(2, 2));
    EXPECT_FALSE(list.Move(0, 5));
    EXPECT_FALSE(list.Move(5, 0));
    EXPECT_EQ(Names(list), "2 5 3 4 1 ");
    EXPECT_TRUE(list.Remove(4));
    EXPECT_FALSE(list.Remove(4));
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(Names(list), "5 3 4 ");
}

} // namespace
} // namespace tavrin
