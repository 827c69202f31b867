// tavrin-cli's doors to the map figures and criteria: figures, and --where
// on generate and stats.

#include "acceptance.h"
#include "cli.h"
#include "cli_run.h"
#include "map_criteria.h"
#include "map_figures.h"
#include "map_string.h"
#include "test_state.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

TEST(CliFigures, TextAndJsonOfOneMap) {
    const TResult text = RunTool({"figures", "--map", Map12345});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.rfind("reachable    90\n", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("\ncut off      AshenHollow 2, AshenHollow 5, GloomHollow 2, "
                            "GloomHollow 5, YewGrove 5\n"),
              std::string::npos)
        << text.out;
    const TResult json = RunTool({"figures", "--map", Map12345, "--json"});
    EXPECT_EQ(json.out.rfind("{\"reachable\": 90, \"cutoff\": 5, ", 0), 0u) << json.out;
    EXPECT_NE(json.out.find("\"mean\": 8.33, "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"cutoff_clearings\": [{\"tile\": 1, \"clearing\": 2}, "),
              std::string::npos);
}

// The maps --where prints are the maps of the plain sequence that meet the
// criteria, numbered by their place in it.
TEST(CliFigures, WhereFiltersThePlainSequence) {
    const std::string where = "reachable>=95,columns<=6,rows<=6";
    const TResult found =
        RunTool({"generate", "--seed", "99", "--count", "2", "--where", where, "--stats"});
    ASSERT_EQ(found.status, 0) << found.err;
    long k1 = 0, k2 = 0;
    ASSERT_EQ(std::sscanf(found.err.c_str(), "map 1: seed 99, map %ld\nmap 2: seed 99, map %ld",
                          &k1, &k2),
              2)
        << found.err;

    const tavrin::TCriteria criteria = tavrin::ParseCriteria(where);
    auto state = tavrin::test::FreshState(99);
    std::string meeting;
    for (long k = 1; k <= k2; ++k) {
        tavrin::CreateMap(*state);
        if (criteria.Meets(tavrin::MeasureMap(*state))) {
            EXPECT_TRUE(k == k1 || k == k2) << k;
            meeting += tavrin::MakeMapString(*state) + "\n";
        }
    }
    EXPECT_EQ(found.out, meeting);

    const TResult stats = RunTool({"stats", "--seeds", "0..99", "--where", "reachable>=95"});
    EXPECT_NE(stats.out.find("\nmeeting     "), std::string::npos) << stats.out;
}
