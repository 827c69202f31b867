#include "settings_store.h"

#include "settings_keys.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {

// A window holds the lock for one read and one write of the settings file.
// One that waits longer than this goes on without it: a change written
// unlocked may lose another window's step, never its own.
constexpr int LockWaitMs = 5000;

} // namespace

TSettingsStore::TSettingsStore(QSettings& settings)
    : Settings_(settings), LockPath_(LockPath(settings)) {
    // Two windows starting at once move the same values: no lock is needed.
    MigrateSettingsKeys(settings);
}

QString TSettingsStore::LockPath(const QSettings& settings) {
    // Not Qt's own "<file>.lock": Qt takes that one inside sync(), which
    // runs while this lock is held.
    const QFileInfo file(settings.fileName());
    if (file.isAbsolute() && file.dir().exists())
        return file.filePath() + QStringLiteral(".lists.lock");
    return QDir::temp().filePath(QStringLiteral("tavrin-map-generator-settings.lock"));
}

void TSettingsStore::Refresh() const {
    Settings_.sync();
}

bool TSettingsStore::Change(const std::function<void(QSettings&)>& change) {
    QLockFile lock(LockPath_);
    lock.tryLock(LockWaitMs);
    Settings_.sync();
    change(Settings_);
    Settings_.sync();
    const bool written = Settings_.status() != QSettings::AccessError;
    Failed = Failed || !written;
    return written;
}

bool TSettingsStore::TakeUntoldFailure() {
    if (!Failed || Told)
        return false;
    Told = true;
    return true;
}
