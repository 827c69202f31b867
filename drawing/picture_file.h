#pragma once
// Writes a whole encoded file (an exported picture, a printed sheet) through
// the file layer's save: an existing file is replaced only once the new one
// has been written in full, and a failure leaves it as it was.

#include <QByteArray>
#include <QString>

namespace tavrin {

// Raises EInOutError with the code of the failed step ("File access denied",
// "Disk full", ...).
void SavePictureBytes(const QString& path, const QByteArray& bytes);

} // namespace tavrin
