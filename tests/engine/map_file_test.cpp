// The map file's bytes: what Save Map writes, and what Load Map takes from
// whatever bytes a file holds. A refused line changes no tile.

#include "acceptance.h"
#include "engine_test_support.h"
#include "map_file.h"
#include "map_string.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

namespace {

class MapFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        state_ = FreshState(2024);
        state_->Messages = &sink_;
        CreateMap(*state_);
    }

    std::unique_ptr<TMapState> state_;
    TRecordingSink sink_;
};

} // namespace

TEST_F(MapFileTest, SavedBytesAreTheMapStringAndCrLfAndLoadBack) {
    const std::string bytes = MapFileBytes(*state_);
    EXPECT_EQ(bytes, MakeMapString(*state_) + "\r\n");
    EXPECT_EQ(bytes.size(), 62u);
    auto other = FreshState();
    ASSERT_TRUE(ReadMapString(*other, FirstLine(bytes)));
    EXPECT_EQ(MakeMapString(*other), MakeMapString(*state_));
}

TEST_F(MapFileTest, LineEndsAtCarriageReturnCtrlZOrEndOfBytes) {
    const std::string map = MakeMapString(*state_);
    struct Case {
        std::string bytes, line;
    };
    const std::vector<Case> cases = {
        {map, map},
        {map + "\r\n" + "second line is never read", map},
        {map + "\x1a" + "after Ctrl-Z", map},
        {map + "\n", map + "\n"}, // a line feed alone belongs to the line
        {"", ""},
        {std::string("ab\0cd\r", 6), std::string("ab\0cd", 5)},
        {std::string(5000, 'x') + "\r\n", std::string(MapLineLimit, 'x')},
        {std::string(MapLineLimit, 'y') + "\r", std::string(MapLineLimit, 'y')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstLine(c.bytes), c.line);
}

TEST_F(MapFileTest, WrongLinesAreRefusedWithTheLengthMessage) {
    const std::string map = MakeMapString(*state_);
    const std::string before = map;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {map + "\n", map + "\n"},
        {map + "  \r\n", map + "  "},
        {map + map + "\r\n", (map + map).substr(0, 100) + "..."},
        {"", ""},
        {std::string("a\0b", 3), std::string("a\0b", 3)}, // every byte is shown, NUL too
    };
    for (const auto& [bytes, shown] : cases) {
        sink_.Messages.clear();
        EXPECT_FALSE(ReadMapString(*state_, FirstLine(bytes)));
        ASSERT_EQ(sink_.Messages.size(), 1u);
        EXPECT_EQ(sink_.Messages[0], "Internal Error: mapstring not valid=" + shown);
        EXPECT_EQ(MakeMapString(*state_), before);
    }
}

TEST_F(MapFileTest, BadRotationChangesNoTile) {
    std::string map = MakeMapString(*FreshState(3));
    map[14] = static_cast<char>(107);
    const std::string before = MakeMapString(*state_);
    EXPECT_THROW(ReadMapString(*state_, FirstLine(map + "\r\n")), ERangeError);
    EXPECT_EQ(MakeMapString(*state_), before);
}
