#pragma once
// The texts every door shows for a map's figures and for an error that ended
// a command, written once so that the window, tavrin-cli, the sheet and the
// web page say the same.

#include "map_figures.h"

#include <string>
#include <string_view>

namespace tavrin {

// A figure's value: whole numbers in decimal, the mean route with two
// decimals ("8.33").
std::string FigureValueText(const TMapFigures& figures, TFigure figure);

// "95/95 reachable, longest 17": the key figures of a map in one line.
std::string KeyFiguresText(const TMapFigures& figures);

// The sentence shown for an error that ended a command: its message with a
// full stop appended when the last character's code is above the full
// stop's own (46), so "Range check error" becomes "Range check error." while
// a message ending in a full stop, a comma or a blank is left alone. A
// character beyond ASCII ends in a byte above 46 in UTF-8, as it does as a
// character.
std::string ErrorSentence(std::string_view message);

} // namespace tavrin
