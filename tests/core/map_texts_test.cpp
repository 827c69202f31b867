// The texts every door shows: figure values, the key-figures line, error
// sentences, and how text becomes the bytes the finder reads.

#include "map_text_answer.h"
#include "map_texts.h"

#include <gtest/gtest.h>
#include <string>

namespace tavrin {
namespace {

TEST(MapTexts, FigureValuesAndTheKeyFiguresLine) {
    TMapFigures figures;
    figures.Reachable = 90;
    figures.Longest = 17;
    figures.MeanRoute = 8.3333;
    figures.Columns = 6;
    EXPECT_EQ(FigureValueText(figures, TFigure::Reachable), "90");
    EXPECT_EQ(FigureValueText(figures, TFigure::Columns), "6");
    EXPECT_EQ(FigureValueText(figures, TFigure::MeanRoute), "8.33");
    figures.MeanRoute = 0;
    EXPECT_EQ(FigureValueText(figures, TFigure::MeanRoute), "0.00");
    EXPECT_EQ(KeyFiguresText(figures), "90/95 reachable, longest 17");
}

// A full stop after any last character above it: '/' is 47, '-' 45; a
// character beyond ASCII ends in a byte above it.
TEST(MapTexts, ErrorSentenceEndsWithAFullStopAfterACharacterAboveIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"Range check error", "Range check error."},
        {"a/", "a/."},
        {"Done.", "Done."},
        {"a-", "a-"},
        {"", ""},
        {"Caf\xc3\xa9", "Caf\xc3\xa9."},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorSentence(message), shown) << message;
}

// One byte a character while every character fits one, so that a map
// string of any bytes reads back; UTF-8 as soon as one does not.
TEST(MapTexts, TextBytesAreLatin1UntilACharacterNeedsMore) {
    EXPECT_EQ(TextBytes(U"ab c"), "ab c");
    EXPECT_EQ(TextBytes(U"\u00c8\u00ff"), "\xc8\xff");
    EXPECT_EQ(TextBytes(U"\u00e9 \u20ac"), "\xc3\xa9 \xe2\x82\xac");
    EXPECT_EQ(TextBytes(U"\U0001F5FA"), "\xf0\x9f\x97\xba");
    EXPECT_EQ(TextBytes(U""), "");
}

} // namespace
} // namespace tavrin
