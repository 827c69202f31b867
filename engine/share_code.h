#pragma once
// The share code: a map written for people to pass on by chat, on paper or
// aloud. Only digits and the letters of Crockford's base-32 alphabet (no I,
// L, O or U), upper case, in groups of 4 or 5 joined by hyphens.
//
// What it holds: exactly the 60 bytes of the map string, so every map the
// map string can hold has a share code and reads back byte for byte. Its
// length tells its form, and only four lengths are codes:
// - 36 symbols: a map as the generator makes it (tile 11 at column 0, row 0,
//   the other tiles one connected cluster around it), written as the shape
//   of the cluster, the tile in each of its cells and the rotations;
// - 42: any other cluster, with its start cell;
// - 80: tiles anywhere, each tile's column, row and rotation whole;
// - 104: any 60 bytes.
// A map shared from the editor may carry pins, the tiles a player fixed so
// that a re-roll keeps them: such a code holds the pins (20 bits, one for
// each tile) below the map's digits, in a length of its own for each form:
// 40, 46, 84 and 108. A map without pins has the code it always had.
// The lengths lie at least two apart, so a symbol left out or typed twice
// never gives another code, and a far-flung map cannot pass for a generated
// one. The number is padded with zeros in front to the form's length; a
// code whose number does not fit is of the next form.
//
// The check: the symbols are taken in pairs as elements y_i of GF(1024) (i
// counted from the last pair, 0 up), and the last two pairs are chosen so
// that  sum y_i = 0  and  sum a^i y_i = 0  for a primitive element a. One or
// two wrong pairs always break one of the sums (two equal errors e at i and
// j leave the second at e (a^i + a^j), which is zero only when i = j modulo
// 1023), so any two wrong symbols, and any two symbols swapped, near or
// far, are refused. A random string of a code's length passes one time in
// 2^20, and fewer still read as a map whose code it is.

#include "errors.h"
#include "translatable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

inline constexpr std::string_view ShareCodeAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
inline constexpr std::string_view ShareLinkScheme = "tavrin:";
inline constexpr const char* ShareCodeMistakeText =
    TAVRIN_TEXT("Core", "This map code has a mistake in it");
// The symbols of a generated map's code; the other forms are longer.
inline constexpr std::size_t GeneratedShareCodeSymbols = 36;
// Every length a share code has, in symbols.
inline constexpr std::array<std::size_t, 8> ShareCodeLengths{36, 40, 42, 46, 80, 84, 104, 108};
// Longer than any share code, hyphens included (108 symbols, 26 hyphens).
inline constexpr std::size_t MaxShareCodeChars = 134;

// The pinned tiles of a map: bit t for tile t (1..20).
using TPinMask = std::uint32_t;
inline constexpr TPinMask AllPins = ((1u << 20) - 1) << 1;

struct TSharedMap {
    std::string MapString;
    TPinMask Pins = 0;
    friend bool operator==(const TSharedMap&, const TSharedMap&) = default;
};

// A share code that fails its check or holds no map.
class EShareCodeMistake : public ETavrinError {
public:
    EShareCodeMistake() : ETavrinError(ShareCodeMistakeText) {}
};

// The value 0..31 of a share code character, read as Crockford reads them:
// either case, I and L as 1, O as 0; -1 for any other character (U too).
int ShareSymbolValue(char c);

// The share code of a 60-byte map string, grouped: "7KQ2-M9XD-...". With
// pins (bits outside AllPins raise ERangeError), the pinned form.
std::string ShareCode(std::string_view mapString, TPinMask pins = 0);

// The symbols alone, without hyphens.
std::string ShareCodeSymbols(std::string_view mapString, TPinMask pins = 0);

// "tavrin:" and the share code.
std::string ShareLink(std::string_view mapString, TPinMask pins = 0);

// The map string of a share code of the current form. Hyphens may be left
// out; when there are any, they stand exactly where ShareCode puts them.
// None for anything that is not a share code ShareCode made. A pinned code
// gives its map; ReadPinnedShareCode gives its pins too.
std::optional<std::string> ReadShareCode(std::string_view code);
std::optional<TSharedMap> ReadPinnedShareCode(std::string_view code);

// The map string of a code the program stored (kept maps, history): of the
// current form, or of the earlier one (old_share_code.h) whatever its map.
// Raises EShareCodeMistake for anything else. Text goes to FindMapCode.
std::string MapStringOfShareCode(std::string_view code);

// The code's groups: 4 symbols each, the first (length mod 4) of them 5.
std::string GroupShareSymbols(std::string_view symbols);

} // namespace tavrin
