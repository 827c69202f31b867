#pragma once
// The share code as the program wrote it before its check was made strong
// enough for text: the same digits as now (share_code_payload.h), with the
// form as the lowest digit, padded to at least ten symbols, and two check
// symbols over GF(32). A random string passes that check one time in 1024,
// so such a code is read only when it is the whole text, grouped by hyphens
// as it was printed (on a sheet, or in a saved link), and only when it holds
// a map the generator could have made (tile 11 at the centre, one cluster,
// passing the acceptance test): codes of other maps are refused. For the
// share code only.

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// The map of an earlier code of a generated map, grouped exactly as it was
// written; none for anything else.
std::optional<std::string> MapStringOfOldShareCode(std::string_view code);

// The earlier code of a 60-byte map string, grouped: what a printed sheet
// shows, kept so that those codes are known to read back.
std::string OldShareCode(std::string_view mapString);

} // namespace tavrin
