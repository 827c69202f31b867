#pragma once
// Maps a failed Qt file operation onto the program's input/output error codes
// (2 "File not found", 3 "Invalid filename", 5 "File access denied",
// 101 "Disk full", ...), so that every file command reports failures with
// the same texts.

#include <QFileDevice>
#include <QString>

namespace tavrin {

// The code for `error` on the file `path`. An open that failed because the
// file or its folder is missing gives 2 when reading and 3 when writing; a
// failure with no code of its own gives 1000 plus Qt's error number.
int InOutErrorCode(QFileDevice::FileError error, const QString& path, bool writing);

// Raises EInOutError with the code of the device's last error.
[[noreturn]] void ThrowInOutError(const QFileDevice& file, bool writing);

} // namespace tavrin
