#include "acceptance.h"
#include "engine_test_support.h"
#include "listing.h"
#include "map_string.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tavrin;
using namespace tavrin::test;

TEST(MapString, EncodesEachTileAsThreeBiasedCodes) {
    auto state = FreshState();
    for (int t = 1; t <= TileCount; ++t)
        Place(*state, t, 0, 0, 1);
    Place(*state, 1, 0, 0, 3);
    Place(*state, 2, -1, 2, 6);
    const std::string text = MakeMapString(*state);
    ASSERT_EQ(text.size(), 60u);
    EXPECT_EQ(text.substr(0, 6), "ddgcfj");
}

TEST(MapString, RoundTripsGeneratedMaps) {
    auto state = FreshState(99);
    for (int i = 0; i < 50; ++i) {
        CreateMap(*state);
        const std::string text = MakeMapString(*state);
        auto copy = FreshState();
        ASSERT_TRUE(copy->Messages == nullptr);
        ASSERT_TRUE(ReadMapString(*copy, text));
        EXPECT_EQ(MakeMapString(*copy), text);
        for (int t = 1; t <= TileCount; ++t)
            EXPECT_FALSE(copy->Tiles[t].Placed); // the string carries no flags
    }
}

TEST(MapString, WrongLengthIsReportedAndChangesNothing) {
    auto state = FreshState(5);
    TRecordingSink sink;
    state->Messages = &sink;
    CreateMap(*state);
    const std::string before = MakeMapString(*state);
    for (const std::string& bad : {std::string(), before + "\n", before + " ", before + before}) {
        EXPECT_FALSE(ReadMapString(*state, bad));
        EXPECT_EQ(MakeMapString(*state), before);
    }
    ASSERT_EQ(sink.Messages.size(), 4u);
    EXPECT_EQ(sink.Messages[0], "Internal Error: mapstring not valid=");
    EXPECT_EQ(sink.Messages[1], "Internal Error: mapstring not valid=" + before + "\n");
    // A long line shows its first 100 characters and "...".
    EXPECT_EQ(sink.Messages[3],
              "Internal Error: mapstring not valid=" + (before + before).substr(0, 100) + "...");
}

TEST(MapString, BadRotationAnywhereLeavesEveryTileAsItWas) {
    auto state = FreshState(5);
    CreateMap(*state);
    TMapState before = *state;
    std::string text = MakeMapString(*FreshState(6));
    text[14] = static_cast<char>(107); // rotation of tile 5
    EXPECT_THROW(ReadMapString(*state, text), ERangeError);
    EXPECT_EQ(std::memcmp(&before.Tiles, &state->Tiles, sizeof(before.Tiles)), 0);
    text[14] = static_cast<char>(100);
    EXPECT_THROW(ReadMapString(*state, text), ERangeError);
}

TEST(MapString, ReadsEveryByteAsOneCharacter) {
    auto state = FreshState();
    std::string text(60, 'd');
    for (int t = 1; t <= TileCount; ++t)
        text[3 * t - 1] = 'e';
    text[0] = static_cast<char>(255);
    text[1] = static_cast<char>(0);
    ASSERT_TRUE(ReadMapString(*state, text));
    EXPECT_EQ(state->Tiles[1].Col, 155);
    EXPECT_EQ(state->Tiles[1].Row, -100);
    EXPECT_EQ(MakeMapString(*state), text);
}

TEST(Listing, LinesShowNameColumnRowRotation) {
    auto state = FreshState();
    EXPECT_EQ(TileListLine(*state, 1), "Ashen Hollow: 0/0/0"); // before any map
    Place(*state, 11, 0, 0, 3);
    Place(*state, 2, -2, 1, 6);
    EXPECT_EQ(TileListLine(*state, 11), "March Land: 0/0/3");
    EXPECT_EQ(TileListLine(*state, 2), "Sour Hollow: -2/1/6");
    const auto lines = TileListing(*state);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[10], "March Land: 0/0/3");
}

TEST(Listing, RouteAnswerEndsEveryLineWithCrLf) {
    auto state = FreshState();
    EXPECT_EQ(RouteQuery(*state, Loc(11, 1), Loc(11, 1)), "MarchLand 1\r\n");
    EXPECT_EQ(RouteQuery(*state, Loc(11, 1), Loc(11, 6)), "MarchLand 1\r\nMarchLand 6\r\n");
    EXPECT_EQ(RouteQuery(*state, Loc(1, 3), Loc(1, 1)), "Clearings not connected!");
}
