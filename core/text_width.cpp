#include "text_width.h"

#include <array>
#include <cstdint>

namespace tavrin {
namespace {

// Advance widths in thousandths of an em for the characters 32..255, read
// from the fonts' horizontal metrics (characters a face lacks take its
// missing-glyph box).
// clang-format off
constexpr std::array<std::uint16_t, 224> SansAdvances{
     318,  401,  460,  838,  636,  950,  780,  275,  390,  390,  500,  838,  318,  361,  318,  337,  // 32..47
     636,  636,  636,  636,  636,  636,  636,  636,  636,  636,  337,  337,  838,  838,  838,  531,  // 48..63
    1000,  684,  686,  698,  770,  632,  575,  775,  752,  295,  295,  656,  557,  863,  748,  787,  // 64..79
     603,  787,  695,  635,  611,  732,  684,  989,  685,  611,  685,  390,  337,  390,  838,  500,  // 80..95
     500,  613,  635,  550,  635,  615,  352,  635,  634,  278,  278,  579,  278,  974,  634,  612,  // 96..111
     635,  635,  411,  521,  392,  634,  592,  818,  592,  592,  525,  636,  337,  636,  838,  600,  // 112..127
     600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  // 128..143
     600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  // 144..159
     318,  401,  636,  636,  636,  636,  337,  500,  500, 1000,  471,  612,  838,  361, 1000,  500,  // 160..175
     500,  838,  401,  401,  500,  636,  636,  318,  500,  401,  471,  612,  969,  969,  969,  531,  // 176..191
     684,  684,  684,  684,  684,  684,  974,  698,  632,  632,  632,  632,  295,  295,  295,  295,  // 192..207
     775,  748,  787,  787,  787,  787,  787,  838,  787,  732,  732,  732,  732,  611,  605,  630,  // 208..223
     613,  613,  613,  613,  613,  613,  982,  550,  615,  615,  615,  615,  278,  278,  278,  278,  // 224..239
     612,  634,  612,  612,  612,  612,  612,  838,  612,  634,  634,  634,  634,  592,  635,  592,  // 240..255
};
// clang-format on

// clang-format off
constexpr std::array<std::uint16_t, 224> BoldAdvances{
     348,  456,  521,  838,  696, 1002,  872,  306,  457,  457,  523,  838,  380,  415,  380,  365,  // 32..47
     696,  696,  696,  696,  696,  696,  696,  696,  696,  696,  400,  400,  838,  838,  838,  580,  // 48..63
    1000,  774,  762,  734,  830,  683,  683,  821,  837,  372,  372,  775,  637,  995,  837,  850,  // 64..79
     733,  850,  770,  720,  682,  812,  774, 1103,  771,  724,  725,  457,  365,  457,  838,  500,  // 80..95
     500,  675,  716,  593,  716,  678,  435,  716,  712,  343,  343,  665,  343, 1042,  712,  687,  // 96..111
     716,  716,  493,  595,  478,  712,  652,  924,  645,  652,  582,  712,  365,  712,  838,  600,  // 112..127
     600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  // 128..143
     600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  600,  // 144..159
     348,  456,  696,  696,  636,  696,  365,  500,  500, 1000,  564,  646,  838,  415, 1000,  500,  // 160..175
     500,  838,  438,  438,  500,  736,  636,  380,  500,  438,  564,  646, 1035, 1035, 1035,  580,  // 176..191
     774,  774,  774,  774,  774,  774, 1085,  734,  683,  683,  683,  683,  372,  372,  372,  372,  // 192..207
     838,  837,  850,  850,  850,  850,  850,  838,  850,  812,  812,  812,  812,  724,  738,  719,  // 208..223
     675,  675,  675,  675,  675,  675, 1048,  593,  678,  678,  678,  678,  343,  343,  343,  343,  // 224..239
     687,  712,  687,  687,  687,  687,  687,  838,  687,  712,  712,  712,  712,  652,  716,  652,  // 240..255
};
// clang-format on

constexpr double MonoAdvance = 0.602;
constexpr double ControlAdvance = 0.863; // an "M"

} // namespace

double TextWidth(std::string_view text, TSheetFont font, double points) {
    double ems = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (font == TSheetFont::Mono)
            ems += MonoAdvance;
        else if (byte < 32 || byte == 127)
            ems += ControlAdvance;
        else
            ems += (font == TSheetFont::Bold ? BoldAdvances : SansAdvances)[byte - 32] / 1000.0;
    }
    return ems * points;
}

std::vector<std::string> WrapText(std::string_view text, TSheetFont font, double points,
                                  double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        // The next piece: up to and including a breaking character.
        std::size_t end = text.find_first_of(" ,-", start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view piece = text.substr(start, end - start);
        start = end;
        while (!piece.empty()) {
            if (TextWidth(line + std::string(piece), font, points) <= width) {
                line += piece;
                break;
            }
            if (!line.empty()) {
                while (!line.empty() && line.back() == ' ')
                    line.pop_back();
                lines.push_back(line);
                line.clear();
                while (!piece.empty() && piece.front() == ' ')
                    piece.remove_prefix(1);
                continue;
            }
            // A piece longer than a line: as much of it as fits, one
            // character at least.
            std::size_t fits = 1;
            while (fits < piece.size() &&
                   TextWidth(piece.substr(0, fits + 1), font, points) <= width)
                ++fits;
            lines.emplace_back(piece.substr(0, fits));
            piece.remove_prefix(fits);
        }
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

double LineHeight(double points) {
    return 1.25 * points; // ascent 0.928 and descent 0.236 of DejaVu, and air
}

double Ascent(double points) {
    return 0.95 * points;
}

} // namespace tavrin
