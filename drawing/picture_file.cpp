#include "picture_file.h"

#include "io_error.h"

#include <QSaveFile>

namespace tavrin {

void SavePictureBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowInOutError(file, true);
    if (file.write(bytes) != bytes.size() || !file.commit())
        ThrowInOutError(file, true);
}

} // namespace tavrin
