#include "acceptance.h"
#include "engine_test_support.h"
#include "map_search.h"
#include "map_string.h"

#include <gtest/gtest.h>

using namespace tavrin;
using namespace tavrin::test;

TEST(MapSearch, FindsTheMapPlainCreateMapReachesAfterKMaps) {
    const TCriteria criteria = ParseCriteria("reachable>=95,columns<=7");
    auto searched = FreshState(77);
    const TMapSearchResult result = CreateMapUntil(*searched, criteria);
    ASSERT_EQ(result.End, TMapSearchEnd::Found);

    auto plain = FreshState(77);
    for (std::int64_t k = 1; k < result.Maps; ++k) {
        CreateMap(*plain);
        EXPECT_FALSE(criteria.Meets(MeasureMap(*plain))) << "map " << k;
    }
    CreateMap(*plain);
    EXPECT_EQ(MakeMapString(*plain), MakeMapString(*searched));
    EXPECT_EQ(plain->Random.Seed, searched->Random.Seed);
}

TEST(MapSearch, GivesUpAtTheLimitOrWhenCancelled) {
    const TCriteria impossible = ParseCriteria("reachable>95");
    auto state = FreshState(5);
    TMapSearch search;
    search.Limit = 300;
    std::int64_t reported = 0;
    search.Progress = [&](std::int64_t maps) { reported = maps; };
    TMapSearchResult result = CreateMapUntil(*state, impossible, search);
    EXPECT_EQ(result.End, TMapSearchEnd::LimitReached);
    EXPECT_EQ(result.Maps, 300);
    EXPECT_EQ(reported, MapSearchReportEvery);
    EXPECT_EQ(SearchFailureText(result), "No map of 300 meets these criteria.");

    std::atomic<bool> cancel{true};
    search.Cancel = &cancel;
    search.Limit = MapSearchLimit;
    result = CreateMapUntil(*state, impossible, search);
    EXPECT_EQ(result.End, TMapSearchEnd::Cancelled);
    EXPECT_EQ(result.Maps, MapSearchReportEvery);
}
