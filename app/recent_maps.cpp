#include "recent_maps.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString FilesKey = QStringLiteral("RecentMaps");
const QString FolderKey = QStringLiteral("LastFolder");

} // namespace

QStringList TRecentMaps::Files() const {
    // Settings edited by hand may hold anything: keep it to the limit.
    return Settings.value(FilesKey).toStringList().mid(0, Limit);
}

void TRecentMaps::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    Settings.setValue(FilesKey, files.mid(0, Limit));
}

void TRecentMaps::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    if (files.isEmpty())
        Settings.remove(FilesKey);
    else
        Settings.setValue(FilesKey, files);
}

QString TRecentMaps::LastFolder() const {
    return Settings.value(FolderKey).toString();
}

void TRecentMaps::SetLastFolderOf(const QString& path) {
    Settings.setValue(FolderKey, QFileInfo(path).absolutePath());
}
