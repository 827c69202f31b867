#pragma once
// How wide the sheet's words are in its fonts, without a font engine: the
// advance widths of DejaVu Sans, DejaVu Sans Bold and DejaVu Sans Mono (the
// faces every door prints the sheet in) for the Latin-1 characters. The
// plan sizes every text box by these, so the window, tavrin-cli and the page
// lay a sheet out alike; the doors draw each text into its box.

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

enum class TSheetFont : unsigned char { Sans, Bold, Mono };

// The width of `text` (Latin-1 bytes) at `points` points, in points. Control
// characters count as wide as an "M", since a door shows them escaped.
double TextWidth(std::string_view text, TSheetFont font, double points);

// The height of one line of text at `points` points: the faces' ascent and
// descent with a little air.
double LineHeight(double points);

// `text` in lines of at most `width` points, broken after blanks, commas
// and hyphens; a word longer than a line is cut where the line is full.
std::vector<std::string> WrapText(std::string_view text, TSheetFont font, double points,
                                  double width);

// The faces' ascent, from a line's top to its baseline, at `points` points.
double Ascent(double points);

} // namespace tavrin
