#include "sheet_header.h"

#include <algorithm>

namespace tavrin {
namespace {

constexpr double TitlePoints = 14;
constexpr double QrModule = 0.5 / 25.4 * 72; // half a millimetre
constexpr int QrQuietModules = 4;
constexpr double Space = 6; // between the text and the QR code, in points

// clang-format off
// Bytes a QR code of version 1..40 holds at error correction level M.
constexpr std::array<int, 40> QrCapacity{
      14,   26,   42,   62,   84,  106,  122,  152,  180,  213,
     251,  287,  331,  362,  412,  450,  504,  560,  624,  666,
     711,  779,  857,  911,  997, 1059, 1125, 1190, 1264, 1370,
    1452, 1538, 1628, 1722, 1809, 1911, 1989, 2099, 2213, 2331};
// clang-format on

// Lines of a label followed by its value: the value wrapped in `font` to
// the room after the label, then under it.
void Labelled(std::vector<TSheetText>& texts, double& y, double width, std::string_view label,
              std::string_view value, TSheetFont font) {
    const double labelWidth = TextWidth(label, TSheetFont::Sans, SheetBodyPoints);
    const double line = LineHeight(SheetBodyPoints);
    texts.push_back({{0, y, labelWidth, line}, std::string(label)});
    for (const std::string& part : WrapText(value, font, SheetBodyPoints, width - labelWidth)) {
        texts.push_back(
            {{labelWidth, y, TextWidth(part, font, SheetBodyPoints), line}, part, font});
        y += line;
    }
}

void Wrapped(std::vector<TSheetText>& texts, double& y, double x, double width,
             std::string_view text, TSheetPart part) {
    const double line = LineHeight(SheetBodyPoints);
    for (const std::string& piece : WrapText(text, TSheetFont::Sans, SheetBodyPoints, width)) {
        texts.push_back({{x, y, TextWidth(piece, TSheetFont::Sans, SheetBodyPoints), line},
                         piece,
                         TSheetFont::Sans,
                         SheetBodyPoints,
                         TSheetAlign::Left,
                         part});
        y += line;
    }
}

} // namespace

double QrSide(std::string_view text, double least) {
    const auto version =
        std::lower_bound(QrCapacity.begin(), QrCapacity.end(), static_cast<int>(text.size())) -
        QrCapacity.begin() + 1;
    const double modules = 17 + 4 * static_cast<double>(version) + 2 * QrQuietModules;
    return std::max(least, modules * QrModule);
}

TSheetHeader SheetHeader(const TSheetWords& words, double width, bool dashes) {
    TSheetHeader header;
    std::vector<TSheetText>& texts = header.Texts;
    const double line = LineHeight(SheetBodyPoints);
    // The QR code's side is settled first, from the text it holds and the
    // lines beside it at their fewest (one each).
    const double lines = static_cast<double>(3 + (words.Figures.size() + 3) / 4 + 1);
    const double side =
        words.Link.empty() ? 0 : QrSide(words.Link, LineHeight(TitlePoints) + lines * line);
    const double room = words.Link.empty() ? width : width - side - Space;

    double y = 0;
    const double titleWidth = TextWidth(words.Title, TSheetFont::Bold, TitlePoints);
    const double dateWidth = TextWidth(words.Date, TSheetFont::Sans, SheetBodyPoints);
    texts.push_back({{0, y, std::min(titleWidth, room), LineHeight(TitlePoints)},
                     words.Title,
                     TSheetFont::Bold,
                     TitlePoints});
    y += LineHeight(TitlePoints);
    if (titleWidth + Space + dateWidth <= room)
        texts.push_back({{room - dateWidth, 0, dateWidth, line},
                         words.Date,
                         TSheetFont::Sans,
                         SheetBodyPoints,
                         TSheetAlign::Right});
    else
        Wrapped(texts, y, 0, room, words.Date, TSheetPart::Header);

    Labelled(texts, y, room, "Map code: ", words.MapCode, TSheetFont::Mono);
    Labelled(texts, y, room, "Share code: ", words.ShareCode, TSheetFont::Mono);
    std::string figures;
    for (const std::string& item : words.Figures)
        figures += (figures.empty() ? "" : ", ") + item;
    Wrapped(texts, y, 0, room, figures, TSheetPart::Header);

    // The legend after a sample of the mark it explains.
    const double mark = line;
    header.LegendMark = {0, y, mark, mark};
    header.LegendArrow = UprightMark(0, y, mark, mark);
    std::string legend = words.Legend;
    if (dashes)
        legend += " On the map pages, the strip beyond a dashed line is on the neighbouring "
                  "page too.";
    Wrapped(texts, y, mark + Space / 2, room - mark - Space / 2, legend, TSheetPart::Legend);

    if (!words.Link.empty())
        header.Qr = {width - side, 0, side, side};
    header.Height = std::max(y, side);
    return header;
}

} // namespace tavrin
