#pragma once
// The share code as the program wrote it before its check was made strong
// enough for text: the same digits as now (share_code_payload.h), with the
// form as the lowest digit, padded to at least ten symbols, and two check
// symbols over GF(32). Kept maps and history stored such codes, and read
// them back whatever the map. In text, where a random string passes that
// check one time in 1024, such a code is read only when it is the whole
// text, grouped by hyphens as it was printed (on a sheet, or in a saved
// link), and holds a map the generator could have made. For the share code
// only.

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// The map of an earlier code, with or without its hyphens (where given,
// where they were written); none for anything else.
std::optional<std::string> MapStringOfOldShareCode(std::string_view code);

// Whether the generator could have made the map: tile 11 at the centre, the
// others one cluster around it, and every tile reachable as the acceptance
// test demands. One random grouped word in a few thousand passes the old
// check and decodes; of those, hardly any is such a map.
bool MadeLikeAGeneratedMap(std::string_view mapString);

// The earlier code of a 60-byte map string, grouped: what a printed sheet
// shows, kept so that those codes are known to read back.
std::string OldShareCode(std::string_view mapString);

} // namespace tavrin
