// The colour-blind palette's law: every two of its colours (the four terrain
// kinds and every mark) stay clearly apart in normal vision, under each
// simulated dichromacy and in greyscale. The standard palette is the one that
// fails it, which shows the simulation sees what players reported.

#include "colour_palette.h"
#include "colour_vision.h"

#include <gtest/gtest.h>
#include <string>

namespace tavrin {
namespace {

// CIELAB units: colours this far apart read as different at a glance.
constexpr double ColourApart = 20;
// Greyscale has only lightness to tell twelve colours by.
constexpr double GreyApart = 7;

double Apart(TVision vision) {
    return vision == TVision::Greyscale ? GreyApart : ColourApart;
}

const char* VisionName(TVision vision) {
    constexpr const char* Names[] = {"normal", "protanopia", "deuteranopia", "tritanopia",
                                     "greyscale"};
    return Names[static_cast<int>(vision)];
}

// The closest two colours of the palette as `vision` sees them.
struct TClosest {
    double Distance = 1e9;
    std::string Pair;
};

TClosest ClosestPair(TPalette palette, TVision vision) {
    const auto colours = NamedColours(palette);
    TClosest closest;
    for (std::size_t i = 0; i < colours.size(); ++i)
        for (std::size_t j = i + 1; j < colours.size(); ++j) {
            const double d =
                LabDistance(SeenAs(colours[i].Colour, vision), SeenAs(colours[j].Colour, vision));
            if (d < closest.Distance)
                closest = {d,
                           std::string(colours[i].Name) + " and " + std::string(colours[j].Name)};
        }
    return closest;
}

TEST(ColourPalette, ColourBlindColoursStayApartInEveryVision) {
    for (TVision vision : AllVisions) {
        const TClosest closest = ClosestPair(TPalette::ColourBlind, vision);
        EXPECT_GE(closest.Distance, Apart(vision))
            << closest.Pair << " run together in " << VisionName(vision);
    }
}

TEST(ColourPalette, StandardRouteRunsIntoItsStartForDeuteranopes) {
    // The fault players reported: the red route and the green From ring,
    // far apart in normal vision, run together for a deuteranope.
    const TPaletteColours& standard = PaletteColours(TPalette::Standard);
    const auto apart = [&](TVision vision) {
        return LabDistance(SeenAs(standard.Route, vision), SeenAs(standard.From, vision));
    };
    EXPECT_GT(apart(TVision::Normal), 3 * ColourApart);
    EXPECT_LT(apart(TVision::Deuteranopia), ColourApart);
}

TEST(ColourVision, KnownColoursLandWhereTheModelPutsThem) {
    // Pure red and green look alike to a deuteranope; white stays white and
    // every vision keeps greys grey.
    const TRgb red{255, 0, 0}, green{0, 128, 0}, white{255, 255, 255}, grey{119, 119, 119};
    EXPECT_LT(LabDistance(SeenAs(red, TVision::Deuteranopia), SeenAs(green, TVision::Deuteranopia)),
              LabDistance(SeenAs(red, TVision::Normal), SeenAs(green, TVision::Normal)) / 3);
    for (TVision vision : AllVisions) {
        EXPECT_NEAR(SeenAs(white, vision).L, 100, 0.5) << VisionName(vision);
        EXPECT_NEAR(SeenAs(grey, vision).A, 0, 1.5) << VisionName(vision);
        EXPECT_NEAR(SeenAs(grey, vision).B, 0, 1.5) << VisionName(vision);
    }
    EXPECT_EQ(SimulatedRgb(grey, TVision::Greyscale), grey);
}

TEST(ColourPalette, NamesReadBackAndColoursWriteAsHex) {
    for (TPalette palette : {TPalette::Standard, TPalette::ColourBlind})
        EXPECT_EQ(PaletteNamed(PaletteName(palette)), palette);
    EXPECT_EQ(PaletteNamed("colour blind"), std::nullopt);
    EXPECT_STREQ(HexText({200, 30, 5}).data(), "#c81e05");
    EXPECT_EQ(OutlineFor({200, 20, 30}), (TRgb{255, 255, 255}));
    EXPECT_EQ(OutlineFor({208, 255, 147}), (TRgb{0, 0, 0}));
}

} // namespace
} // namespace tavrin
