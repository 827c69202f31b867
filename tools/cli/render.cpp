#include "render.h"

#include "bmp_file.h"
#include "errors.h"
#include "map_picture.h"

#include <QSaveFile>
#include <QString>
#include <filesystem>

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

void SavePng(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EFailure(file.errorString().toStdString());
    if (!image.save(&file, "PNG"))
        throw EFailure("the picture could not be written");
    if (!file.commit())
        throw EFailure(file.errorString().toStdString());
}

} // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

void RenderMap(TMapState& state, const std::string& tileFolder, const std::string& outPath) {
    const bool bmp = EndsWith(outPath, ".bmp");
    if (!bmp && !EndsWith(outPath, ".png"))
        throw EUsage("--out must name a .bmp or a .png file");
    TMapPicture picture(state);
    picture.SetTileFolder(QString::fromStdString(tileFolder));
    picture.DrawMap();
    const QString path = QString::fromStdString(outPath);
    WithPath(outPath, [&] {
        if (bmp)
            SaveBmpFile(path, picture.Image());
        else
            SavePng(path, picture.Image());
        return 0;
    });
}

} // namespace tavrin::cli
