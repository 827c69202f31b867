#include "acceptance.h"
#include "criteria_explanation.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

using namespace tavrin;

namespace {

TMapFigures Map(std::int32_t longest, std::int32_t columns, double mean) {
    TMapFigures figures;
    figures.Longest = longest;
    figures.Columns = columns;
    figures.MeanRoute = mean;
    return figures;
}

// A sample small enough to reason about by hand.
const std::vector<TMapFigures> Sample{Map(14, 5, 8.04), Map(16, 6, 9.5), Map(18, 7, 9.9),
                                      Map(20, 8, 11)};

struct TWishCase {
    const char* Criteria;
    std::int64_t Meeting;
    std::vector<std::int64_t> Alone;
    int Rarest;          // -1: none named (one criterion)
    const char* Nearest; // CriteriaText of the nearest criteria; "" when some meet them
    const char* NoMatch;
};

std::vector<TWishCase> WishCases() {
    return {
        {"longest<=16,columns<=6", 2, {2, 2}, 0, "", ""},
        {"longest<=12,columns<=8",
         0,
         {0, 4},
         0,
         "longest<=14,columns<=8",
         "No map of 4 meets these; the nearest that some do: longest <= 14"},
        // Two bounds move when no map meets either: the map needing least.
        {"longest<=12,columns<=4",
         0,
         {0, 0},
         0,
         "longest<=14,columns<=5",
         "No map of 4 meets these; the nearest that some do: longest <= 14, columns <= 5"},
        // Moves weigh by each figure's spread: 3 of 6 and 1 of 3 beat 3 of 3.
        {"longest>=17,columns<5",
         0,
         {2, 0},
         1,
         "longest>=14,columns<6",
         "No map of 4 meets these; the nearest that some do: longest >= 14, columns < 6"},
        // Strict bounds and fractions loosen to the next tenth that holds.
        {"mean<8",
         0,
         {0},
         -1,
         "mean<8.1",
         "No map of 4 meets these; the nearest that some do: mean < 8.1"},
        {"mean>11",
         0,
         {0},
         -1,
         "mean>10.9",
         "No map of 4 meets these; the nearest that some do: mean > 10.9"},
        {"longest=15",
         0,
         {0},
         -1,
         "longest=14",
         "No map of 4 meets these; the nearest that some do: longest = 14"},
    };
}

} // namespace

TEST(CriteriaExplanation, CountsEachCriterionAloneAndFindsTheNearestMet) {
    for (const TWishCase& row : WishCases()) {
        SCOPED_TRACE(row.Criteria);
        const TCriteria criteria = ParseCriteria(row.Criteria);
        const TWishExplanation explanation = ExplainWish(criteria, Sample);
        EXPECT_EQ(explanation.Sampled, 4);
        EXPECT_EQ(explanation.Meeting, row.Meeting);
        EXPECT_EQ(explanation.MeetingAlone, row.Alone);
        EXPECT_EQ(explanation.Rarest ? static_cast<int>(*explanation.Rarest) : -1, row.Rarest);
        EXPECT_EQ(explanation.Meeting ? "" : CriteriaText(explanation.Nearest), row.Nearest);
        EXPECT_EQ(NoMatchText(explanation), row.NoMatch);
        const auto lines = ExplanationLines(criteria, explanation);
        EXPECT_EQ(lines.front().find(" of 4 meet it alone") != std::string::npos, true)
            << lines.front();
    }
    EXPECT_EQ(ExplanationLines(ParseCriteria("longest<=12,columns<=8"),
                               ExplainWish(ParseCriteria("longest<=12,columns<=8"), Sample))[2],
              "the rarest: longest <= 12");
}

TEST(CriteriaExplanation, RefusesAWishOutsideAFiguresRangeInOneLine) {
    struct TCase {
        const char* Criteria;
        const char* Reason; // "" when possible
    };
    // clang-format off
    const TCase cases[] = {
        {"reachable>=96",           "no map can meet reachable >= 96: reachable is never above 95"},
        {"reachable>95",            "no map can meet reachable > 95: reachable is never above 95"},
        {"reachable>=95",           ""},
        {"rows<=5,columns<2",       "no map can meet columns < 2: columns is never below 2"},
        {"columns<3",               ""},
        {"edges<=36",               "no map can meet edges <= 36: edges is never below 37"},
        {"rows=2.5",                "no map can meet rows = 2.5: rows is a whole number"},
        {"mean=9.25,bridges<=94",   ""},
        {"cutofftiles>20",          "no map can meet cutofftiles > 20: cutofftiles is never above 20"},
    };
    // clang-format on
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Criteria);
        EXPECT_EQ(ImpossibleWish(ParseCriteria(row.Criteria)).value_or(""), row.Reason);
    }
    EXPECT_EQ(CountText(20000), "20,000");
    EXPECT_EQ(CountText(1234567), "1,234,567");
    EXPECT_EQ(CountText(999), "999");
    EXPECT_EQ(CountText(-1000), "-1,000");
    EXPECT_EQ(CountText(INT64_MIN), "-9,223,372,036,854,775,808");
}

// Laws over real maps: every figure lies in its possible range, and the
// nearest criteria offered are met by some map of the sample.
TEST(CriteriaExplanation, RangesHoldAndTheNearestIsMetOnRealMaps) {
    auto state = std::make_unique<TMapState>();
    InitTiles(*state, 99);
    std::vector<TMapFigures> sample;
    for (int i = 0; i < 300; ++i) {
        CreateMap(*state);
        sample.push_back(MeasureMap(*state));
    }
    for (const TMapFigures& figures : sample)
        for (const TFigureInfo& info : Figures) {
            const TFigureRange range = PossibleRange(info.Figure);
            const double value = FigureValue(figures, info.Figure);
            EXPECT_TRUE(range.Least <= value && value <= range.Most) << info.Name << value;
        }
    for (const char* wish : {"reachable>=95,longest<=12", "columns<=3,rows<=3", "mean<6.2",
                             "edges>=44,clumping<=2,deadends<=5", "bridges<10,cutoff>10"}) {
        SCOPED_TRACE(wish);
        const TWishExplanation explanation = ExplainWish(ParseCriteria(wish), sample);
        ASSERT_EQ(explanation.Meeting, 0);
        EXPECT_FALSE(explanation.Moved.empty());
        EXPECT_GT(ExplainWish(explanation.Nearest, sample).Meeting, 0);
    }
}
