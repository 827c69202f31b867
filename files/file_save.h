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
// An existing device, FIFO or pipe is written in place, without blocking: a
// FIFO with no reader fails at once, and a save goes on as long as its reader
// takes bytes, failing only once ReadyWaitMs pass with no byte moved. A name
// that leads to an open pipe or terminal (/dev/stdout, /proc/self/fd/N) is
// opened as it stands, so the system follows it to the pipe itself.
//
// Names are bytes: `path` reaches the system exactly as given, whatever its
// encoding.
//
// A folder, or an existing file the user may not write, answers "File access
// denied". A file-size limit reads as "Disk full" and never ends the program
// (SIGXFSZ is ignored from the first save on, where it still had its default
// action). No temporary file outlives a save, not even one that SIGINT,
// SIGTERM or SIGHUP ends (interrupted_saves.h). Every failure raises
// EInOutError naming `path`.

#include <memory>
#include <string>
#include <string_view>

namespace tavrin {

namespace files {
class TDescriptor;
}

// A save made piece by piece, for output too large to hold: the target is
// checked and the temporary file (or the device) opened when the save
// starts, so a save that cannot be made fails before any work is done. The
// target changes only at Commit; a save destroyed uncommitted removes its
// temporary file and leaves the target as it was (a device keeps what was
// written to it).
class TFileSave {
public:
    explicit TFileSave(const std::string& path);
    TFileSave(const TFileSave&) = delete;
    TFileSave& operator=(const TFileSave&) = delete;
    ~TFileSave();

    void Write(std::string_view bytes);
    // Flushes, closes and renames the file over its target.
    void Commit();

private:
    std::string path_;      // as given, for errors
    std::string target_;    // the name that is replaced; empty when written in place
    std::string temp_;      // the temporary file beside target_
    std::string directory_; // target_'s folder
    int slot_ = -1;         // temp_'s slot among the saves in progress
    std::unique_ptr<files::TDescriptor> fd_;
};

void SaveFile(const std::string& path, std::string_view bytes);

} // namespace tavrin
