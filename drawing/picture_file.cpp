#include "picture_file.h"

#include "file_save.h"

#include <QFile>

namespace tavrin {

void SavePictureBytes(const QString& path, const QByteArray& bytes) {
    SaveFile(QFile::encodeName(path).toStdString(),
             std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace tavrin
