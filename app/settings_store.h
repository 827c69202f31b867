#pragma once
// The settings file that every window of the program on one account shares.
// Qt writes a settings file whole under its own lock, merging key by key;
// a list (the kept maps, the history) is many keys, so a window that wrote
// its own copy of a list would throw away what another window added. Lists
// change here instead: under a lock beside the settings file that every
// window takes, the list is read as stored now, changed by one step and
// written before the lock is let go.
//
// A settings file that cannot be written (read only, a full disk) keeps the
// changes in the window's memory; the window says so once.

#include <QString>
#include <functional>

class QSettings;

class TSettingsStore {
public:
    // `settings` outlives the store. Keys of earlier versions are moved to
    // their present names.
    explicit TSettingsStore(QSettings& settings);

    QSettings& Settings() const { return Settings_; }

    // Takes in what other windows wrote since the last read.
    void Refresh() const;

    // Runs `change` on the settings as stored now, under the lock, and
    // writes them. False when they could not be written.
    bool Change(const std::function<void(QSettings&)>& change);

    // True once: the first time after a change could not be written.
    bool TakeUntoldFailure();

    // The lock file every window takes: beside the settings file, or in the
    // temporary folder when the settings are no file (the Windows registry).
    static QString LockPath(const QSettings& settings);

private:
    QSettings& Settings_;
    QString LockPath_;
    bool Failed = false;
    bool Told = false;
};
