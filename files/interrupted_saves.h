#pragma once
// Temporary files of saves in progress, removed when the program is ended
// by SIGINT, SIGTERM or SIGHUP (Ctrl+C, kill, a closed terminal), so that an
// interrupted save leaves the folder as it was: the old file whole, no
// ".tavrin-save-" file beside it.
//
// The handler is installed for a signal when a save begins and the signal's
// action is the default one: a program's own handler and
// an ignored signal (nohup) are left alone. It removes the files, then lets
// the signal end the program as it would have. Up to MaxSavesInProgress
// saves at once are covered; a name longer than PATH_MAX is not.

#include <string>

namespace tavrin::files {

inline constexpr int MaxSavesInProgress = 32;

// Registers a temporary file; the slot to release, or -1 when none is free.
int RegisterSaveInProgress(const std::string& tempPath);

// Forgets the file of `slot` (-1 is allowed): it was renamed or removed.
void ReleaseSaveInProgress(int slot);

} // namespace tavrin::files
