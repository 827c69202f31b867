#include "colour_palette.h"

namespace tavrin {
namespace {

// clang-format off
// The colours the program has always drawn in; the tile bitmaps keep them.
constexpr TPaletteColours Standard{
    {{{92, 108, 66}, {112, 158, 74}, {188, 150, 92}, {142, 138, 132}}},
    /*Route*/ {200, 30, 45}, /*From*/ {20, 140, 60}, /*To*/ {30, 80, 200},
    /*NotJoined*/ {220, 20, 20}, /*CutOff*/ {120, 20, 160}, /*RotationMark*/ {200, 20, 30},
    /*Disagreement*/ {220, 30, 30}, /*Unreached*/ {230, 130, 0},
};

// Chosen by a search over the whole palette at once: every pair keeps at
// least 20 CIELAB units apart in normal vision and under protanopia,
// deuteranopia and tritanopia, and 7 in greyscale (the test holds it to
// that). Dark soil for hollows, blue-green groves, pale sand and cool grey
// rock; the route is near black, From blue and To red, which every
// simulation keeps apart by lightness and by hue.
constexpr TPaletteColours ColourBlind{
    {{{42, 37, 0}, {18, 102, 89}, {237, 213, 174}, {152, 148, 160}}},
    /*Route*/ {24, 0, 81}, /*From*/ {63, 0, 227}, /*To*/ {220, 0, 33},
    /*NotJoined*/ {177, 81, 255}, /*CutOff*/ {142, 166, 255}, /*RotationMark*/ {208, 255, 147},
    /*Disagreement*/ {255, 177, 0}, /*Unreached*/ {81, 0, 150},
};
// clang-format on

} // namespace

const TPaletteColours& PaletteColours(TPalette palette) {
    return palette == TPalette::ColourBlind ? ColourBlind : Standard;
}

std::array<TNamedColour, 12> NamedColours(TPalette palette) {
    const TPaletteColours& c = PaletteColours(palette);
    return {{{"terrain-0", c.Terrain[0]},
             {"terrain-1", c.Terrain[1]},
             {"terrain-2", c.Terrain[2]},
             {"terrain-3", c.Terrain[3]},
             {"route", c.Route},
             {"from", c.From},
             {"to", c.To},
             {"not-joined", c.NotJoined},
             {"cut-off", c.CutOff},
             {"rotation-mark", c.RotationMark},
             {"disagreement", c.Disagreement},
             {"unreached", c.Unreached}}};
}

std::string_view PaletteName(TPalette palette) {
    return palette == TPalette::ColourBlind ? "colour-blind" : "standard";
}

std::optional<TPalette> PaletteNamed(std::string_view name) {
    if (name == "standard")
        return TPalette::Standard;
    if (name == "colour-blind")
        return TPalette::ColourBlind;
    return std::nullopt;
}

TRgb OutlineFor(TRgb fill) {
    const bool light = 299 * fill.R + 587 * fill.G + 114 * fill.B > 150'000;
    return light ? TRgb{0, 0, 0} : TRgb{255, 255, 255};
}

std::array<char, 8> HexText(TRgb colour) {
    constexpr char Digits[] = "0123456789abcdef";
    return {'#',
            Digits[colour.R >> 4],
            Digits[colour.R & 15],
            Digits[colour.G >> 4],
            Digits[colour.G & 15],
            Digits[colour.B >> 4],
            Digits[colour.B & 15],
            '\0'};
}

} // namespace tavrin
