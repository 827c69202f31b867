#include "layout_check.h"
#include "map_figures.h"
#include "map_string.h"
#include "pin_list.h"
#include "test_state.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// Tiles by number, listing name or token in either case, blanks around
// entries allowed; each mistake refused in one line of its own.
TEST(PinList, ReadsEveryWayOfNamingATileAndRefusesEachMistake) {
    EXPECT_EQ(ParsePins(" 11:0/0/3 , scarp:-1/2/6,SteepGap:155/-100/1"),
              (std::vector<TPin>{{11, 0, 0, 3}, {16, -1, 2, 6}, {14, 155, -100, 1}}));
    const struct {
        const char* text;
        const char* refusal;
    } rows[] = {
        {"Nowhere:0/0/1", "--pin: 'Nowhere' names no tile; give 1..20 or a name as the listing "
                          "writes it, such as March Land"},
        {"21:0/0/1", "--pin: '21' names no tile; give 1..20 or a name as the listing writes it, "
                     "such as March Land"},
        {"11:0/0/7", "--pin: March Land's rotation 7 is outside 1..6"},
        {"11:0/0/0", "--pin: March Land's rotation 0 is outside 1..6"},
        {"11:0/0/1,Scarp:0/0/2", "--pin: column 0, row 0 is taken twice, by March Land and Scarp"},
        {"11:0/0/1,11:0/1/2", "--pin: March Land is pinned twice"},
        {"11:156/0/1", "--pin: March Land's column 156 is outside -100..155"},
        {"11:0/-101/1", "--pin: March Land's row -101 is outside -100..155"},
        {"11:0/0", "--pin: '11:0/0' is not TILE:COL/ROW/ROT, such as 'March Land:0/0/3'"},
        {"11 0/0/1", "--pin: '11 0/0/1' is not TILE:COL/ROW/ROT, such as 'March Land:0/0/3'"},
        {"11:0/x/1", "--pin: '11:0/x/1' is not TILE:COL/ROW/ROT, such as 'March Land:0/0/3'"},
        {"11:0/0/1,", "--pin: an empty entry; give TILE:COL/ROW/ROT, ... such as "
                      "'March Land:0/0/3'"},
    };
    for (const auto& row : rows) {
        try {
            ParsePins(row.text);
            ADD_FAILURE() << row.text << " was read";
        } catch (const ETavrinError& e) {
            EXPECT_STREQ(e.what(), row.refusal) << row.text;
        }
    }
}

// Completions around the pins meet the wish asked, or say none did.
TEST(PinList, CompletesUntilTheWishIsMet) {
    auto state = test::FreshState();
    const std::vector<TPin> pins = ParsePins("11:0/0/3,Scarp:0/1/2");
    const TPinnedMap found = CompletePinned(*state, pins, 7, ParseCriteria("columns<=5"));
    ASSERT_TRUE(found.Found) << found.Sentence;
    EXPECT_TRUE(CheckLayout(*state).empty());
    EXPECT_TRUE(ParseCriteria("columns<=5").Meets(MeasureMap(*state)));
}

} // namespace
} // namespace tavrin
