#pragma once
// Writes a whole encoded file (an exported picture, a printed sheet) through
// the file layer's save: an existing file is replaced only once the new one
// has been written in full, and a failure leaves it as it was.

#include <QByteArray>
#include <string>

namespace tavrin {

// Raises EInOutError with the code of the failed step ("File access denied",
// "Disk full", ...). `path` is the name's bytes, as the system takes them.
void SavePictureBytes(const std::string& path, const QByteArray& bytes);

} // namespace tavrin
