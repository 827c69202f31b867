#pragma once
// Reading a file's first bytes. Opening never blocks: a FIFO with no writer
// reads as empty at once, and a pipe or device that has a writer but no data
// is read until ReadyWaitMs pass with no byte arriving. Whatever the file's
// size, no more than the caller's limit is read or kept. A folder answers "File access denied";
// every failure raises EInOutError with the path.

#include <cstddef>
#include <string>

namespace tavrin {

// The file's first `limit` bytes, or all of it when it is shorter.
std::string ReadFileHead(const std::string& path, std::size_t limit);

} // namespace tavrin
