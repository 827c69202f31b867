#pragma once
// The share code: a map written for people to pass on by chat, on paper or
// aloud. Only digits and the letters of Crockford's base-32 alphabet (no I,
// L, O or U), upper case, in groups of 4 or 5 joined by hyphens, with two
// check symbols at the end.
//
// What it holds: exactly the 60 bytes of the map string, so every map the
// map string can hold has a share code and reads back byte for byte. A map
// as the generator makes it (tile 11 at column 0, row 0, the other tiles one
// connected cluster around it) is written as the shape of the cluster, the
// tile in each of its cells and the rotations: about 32 symbols. A cluster
// elsewhere on the grid adds its start cell; any other map takes each tile's
// column and row whole (about 75 symbols).
//
// The check: taken as elements of GF(32), the symbols x_i (i counted from
// the last symbol, 0 up) satisfy  sum x_i = 0  and  sum a^i x_i = 0  for a
// primitive element a. A single wrong symbol changes the first sum; two
// different neighbours swapped leave it and change the second by
// a^i (1 + a)(x + y), a product of non-zero elements. So every such mistake
// is refused, and a random string passes only one time in 1024.

#include "errors.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

inline constexpr std::string_view ShareCodeAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
inline constexpr std::string_view ShareLinkScheme = "tavrin:";
inline constexpr const char* ShareCodeMistakeText = "This map code has a mistake in it";
// Longer than any share code, hyphens included.
inline constexpr std::size_t MaxShareCodeChars = 128;

// A share code that fails its check or holds no map.
class EShareCodeMistake : public ETavrinError {
public:
    EShareCodeMistake() : ETavrinError(ShareCodeMistakeText) {}
};

// The value 0..31 of a share code character, read as Crockford reads them:
// either case, I and L as 1, O as 0; -1 for any other character (U too).
int ShareSymbolValue(char c);

// The share code of a 60-byte map string, grouped: "7KQ2-M9XD-...".
std::string ShareCode(std::string_view mapString);

// The symbols alone, without hyphens.
std::string ShareCodeSymbols(std::string_view mapString);

// "tavrin:" and the share code.
std::string ShareLink(std::string_view mapString);

// The map string of a share code. Hyphens may be left out; when there are
// any, they stand exactly where ShareCode puts them. Raises
// EShareCodeMistake for anything that is not a share code ShareCode made.
std::string MapStringOfShareCode(std::string_view code);

// The code's groups: 4 symbols each, the first (length mod 4) of them 5.
std::string GroupShareSymbols(std::string_view symbols);

} // namespace tavrin
