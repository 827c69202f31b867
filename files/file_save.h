#pragma once
// Saving a file, whole or not at all.
//
// A regular or new target is replaced atomically: the bytes go to a temporary
// file beside it, are flushed to disk and renamed over it, so a failed save
// leaves an existing file exactly as it was. Symbolic links are followed to
// the real target and stay links (a dangling link's target is created). An
// existing target keeps its mode (and its owner where the system allows); a
// new one gets 0666 less the umask, as any new file does.
//
// An existing device or FIFO is written in place, without blocking: a FIFO
// with no reader fails at once, and one whose reader stops reading is waited
// for ReadyWaitMs at most.
//
// A folder, or an existing file the user may not write, answers "File access
// denied". A file-size limit reads as "Disk full" and never ends the program
// (SIGXFSZ is ignored from the first save on, where it still had its default
// action). No temporary file outlives a save. Every failure raises
// EInOutError naming `path`.

#include <string>
#include <string_view>

namespace tavrin {

void SaveFile(const std::string& path, std::string_view bytes);

} // namespace tavrin
