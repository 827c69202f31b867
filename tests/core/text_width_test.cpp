// The sheet's words measured without a font engine, and wrapped to a width.

#include "text_width.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(TextWidth, FacesKeepTheirAdvances) {
    EXPECT_DOUBLE_EQ(TextWidth("MMMM", TSheetFont::Mono, 10),
                     TextWidth("iiii", TSheetFont::Mono, 10));
    EXPECT_GT(TextWidth("Marsh", TSheetFont::Bold, 9), TextWidth("Marsh", TSheetFont::Sans, 9));
    EXPECT_DOUBLE_EQ(TextWidth("ab", TSheetFont::Sans, 18),
                     2 * TextWidth("ab", TSheetFont::Sans, 9));
    EXPECT_GT(TextWidth(std::string_view("\x01\xff", 2), TSheetFont::Sans, 9), 0);
}

// Every line fits (unless one character alone does not), and the lines give
// back the text but for the blanks at the breaks.
TEST(TextWidth, WrappedLinesFitAndKeepEveryCharacter) {
    const std::vector<std::string> texts{
        "", "short", "Reachable clearings 95, Cut-off clearings 0, Longest route 18",
        "7KQ2-M9XD-ABCD-EFGH-JKMN-PQRS-TVWX-YZ01-2345-6789-ABCD-EFGH-JKMN-PQRS-TVWX-YZ01",
        std::string(200, 'W')};
    for (const std::string& text : texts)
        for (const double width : {8.0, 40.0, 150.0, 600.0}) {
            std::string joined;
            for (const std::string& line : WrapText(text, TSheetFont::Sans, 9, width)) {
                EXPECT_TRUE(line.size() <= 1 || TextWidth(line, TSheetFont::Sans, 9) <= width)
                    << line;
                joined += line;
            }
            std::string bare = text;
            std::erase(bare, ' ');
            std::erase(joined, ' ');
            EXPECT_EQ(joined, bare);
        }
}

} // namespace
} // namespace tavrin
