#pragma once
// What a share code holds, as the digits of one mixed-radix number: a map
// string taken apart into the cluster of its tiles, its tiles' positions, or
// its bytes, and put back together. Both forms of the code (the one written
// now and the earlier one that is still read) hold the same digits; they
// differ in how the form is told apart and in the check. For the share code
// only.

#include "cell.h"
#include "mixed_radix.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::share_payload {

// Whether every tile's rotation lies in 1..6, as a map in memory has it.
bool RotationsValid(std::string_view mapString);

// The tile at column 0, row 0 of a generated map, where the cluster starts.
TCell ClusterStart(std::string_view mapString);

// The tiles as one connected cluster: the start cell (when `withStart`),
// the shape of the cluster, the tile in each of its cells and the rotations.
// None when tiles share a cell, the cluster is not connected, or a rotation
// lies outside 1..6.
std::optional<TMixedRadixWriter> ClusterDigits(std::string_view mapString, bool withStart);

// Each tile's column, row and rotation whole; rotations must lie in 1..6.
TMixedRadixWriter PositionDigits(std::string_view mapString);

// The 60 bytes as they are.
TMixedRadixWriter ByteDigits(std::string_view mapString);

// The map strings back from the digits above. A cluster whose walk runs out
// of cells is none. (`start` none: read from the digits.)
std::optional<std::string> TakeCluster(TMixedRadixReader& r, std::optional<TCell> start);
std::string TakePositions(TMixedRadixReader& r);
std::string TakeBytes(TMixedRadixReader& r);

} // namespace tavrin::share_payload
