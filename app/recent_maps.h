#pragma once
// What the window remembers about map files between runs: the last map files
// opened or saved, newest first, and the folder the file dialogs last used.
// Both live in the settings the window was given.

#include <QString>
#include <QStringList>

class QSettings;

class TRecentMaps {
public:
    static constexpr qsizetype Limit = 8;

    // `settings` outlives this object.
    explicit TRecentMaps(QSettings& settings) : Settings(settings) {}

    // Newest first, at most Limit, each an absolute path.
    QStringList Files() const;

    // Puts the file at the front (moving it there if listed), keeping Limit.
    void Add(const QString& path);
    void Remove(const QString& path);

    // Empty until a file dialog has chosen a file.
    QString LastFolder() const;
    // Remembers the folder of a chosen file.
    void SetLastFolderOf(const QString& path);

private:
    QSettings& Settings;
};
