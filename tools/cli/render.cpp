#include "render.h"

#include "bmp_file.h"
#include "file_save.h"
#include "map_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QString>
#include <cctype>
#include <filesystem>
#include <new>
#include <string_view>

namespace tavrin::cli {
namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - suffix.size() + i])) !=
            suffix[i])
            return false;
    return true;
}

// Encoding into memory cannot fail on a full disk (the file layer reports
// that with its own text); only an image too large to hold makes it fail.
QByteArray EncodePng(const QImage& image) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw std::bad_alloc();
    return buffer.data();
}

} // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

bool IsPictureName(const std::string& path) {
    return EndsWith(path, ".bmp") || EndsWith(path, ".png");
}

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath) {
    TMapPicture picture(state);
    picture.SetTileFolder(QFile::decodeName(tileFolder.c_str()));
    picture.DrawMap();
    if (EndsWith(outPath, ".bmp")) {
        SaveBmpFile(outPath, picture.Image());
        return;
    }
    const QByteArray png = EncodePng(picture.Image());
    SaveFile(outPath, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

} // namespace tavrin::cli
