#include "tile_folder.h"

#include "map_picture.h"

#include <QDir>
#include <QFileInfo>

namespace tavrin {

QString TileFolderFor(const QString& programFolder) {
    const QDir beside(programFolder);
    if (QFileInfo::exists(beside.filePath(TileBitmapName(1, 1, QStringLiteral(".bmp")))))
        return programFolder;
    const QString installed =
        QDir::cleanPath(beside.filePath(QString::fromLatin1(InstalledTileFolder)));
    if (QFileInfo(installed).isDir())
        return installed;
    return programFolder;
}

} // namespace tavrin
