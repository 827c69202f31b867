#include "map_criteria.h"

#include <gtest/gtest.h>

using namespace tavrin;

namespace {

struct TCriteriaCase {
    const char* Text;
    const char* Read;  // CriteriaText of what was read; null when refused
    const char* Error; // part of the refusal's text
};

// clang-format off
constexpr TCriteriaCase CriteriaCases[] = {
    {"reachable>=95,longest<=18,columns<=6", "reachable>=95,longest<=18,columns<=6", nullptr},
    {" rows = 5 , mean<9.5 ,bridges>0",      "rows=5,mean<9.5,bridges>0",             nullptr},
    {"",                                     "",                                      nullptr},
    {"  ",                                   "",                                      nullptr},
    {"reach>=95",            nullptr, "bad criterion 'reach>=95': no figure is called 'reach'"},
    {">=95",                 nullptr, "it names no figure"},
    {"longest",              nullptr, "'longest': it needs a comparison"},
    {"longest=>5",           nullptr, "'>5' is not a number"},
    {"longest<=-5",          nullptr, "'-5' is not a number"},
    {"longest<=",            nullptr, "'' is not a number"},
    {"longest<=1e5",         nullptr, "'1e5' is not a number"},
    {"longest<=5.",          nullptr, "'5.' is not a number"},
    {"longest<=1234567890123", nullptr, "is not a number"},
    {"rows<=5,,columns<=6",  nullptr, "an empty criterion between commas"},
    {"rows<=5,",             nullptr, "an empty criterion between commas"},
};
// clang-format on

} // namespace

TEST(MapCriteria, ParsesEachFormOrRefusesWithOneLine) {
    for (const TCriteriaCase& row : CriteriaCases) {
        SCOPED_TRACE(row.Text);
        if (row.Read) {
            const TCriteria criteria = ParseCriteria(row.Text);
            EXPECT_EQ(CriteriaText(criteria), row.Read);
            EXPECT_EQ(ParseCriteria(CriteriaText(criteria)), criteria);
            continue;
        }
        try {
            ParseCriteria(row.Text);
            ADD_FAILURE() << "accepted";
        } catch (const ECriteriaError& e) {
            EXPECT_NE(std::string(e.what()).find(row.Error), std::string::npos) << e.what();
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos);
        }
    }
}

TEST(MapCriteria, EveryCriterionMustHold) {
    TMapFigures figures;
    figures.Reachable = 95;
    figures.Columns = 7;
    figures.MeanRoute = 9.25;
    EXPECT_TRUE(ParseCriteria("reachable>=95,mean<9.5").Meets(figures));
    EXPECT_FALSE(ParseCriteria("reachable>=95,columns<=6").Meets(figures));
    EXPECT_TRUE(ParseCriteria("columns=7,columns>6,columns<8").Meets(figures));
    EXPECT_TRUE(ParseCriteria("").Meets(figures));
}
