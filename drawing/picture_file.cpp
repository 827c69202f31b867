#include "picture_file.h"

#include "file_save.h"

namespace tavrin {

void SavePictureBytes(const std::string& path, const QByteArray& bytes) {
    SaveFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace tavrin
