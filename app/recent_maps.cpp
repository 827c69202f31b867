#include "recent_maps.h"

#include "settings_keys.h"

#include <QFileInfo>
#include <QSettings>

QStringList TRecentMaps::Files() const {
    // Settings edited by hand may hold anything: keep it to the limit.
    return Settings.value(SettingsKey::RecentMaps).toStringList().mid(0, Limit);
}

void TRecentMaps::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    Settings.setValue(SettingsKey::RecentMaps, files.mid(0, Limit));
}

void TRecentMaps::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    if (files.isEmpty())
        Settings.remove(SettingsKey::RecentMaps);
    else
        Settings.setValue(SettingsKey::RecentMaps, files);
}

QString TRecentMaps::LastFolder() const {
    return Settings.value(SettingsKey::LastFolder).toString();
}

void TRecentMaps::SetLastFolderOf(const QString& path) {
    Settings.setValue(SettingsKey::LastFolder, QFileInfo(path).absolutePath());
}
