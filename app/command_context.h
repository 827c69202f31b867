#pragma once
// What the window's commands share: the engine state and the session that
// takes every map, the picture as last drawn, the dialogs and the window
// they open over, the settings, and the one place where an error that ends a
// command is caught and shown in the error box.
//
// The window owns all of it and outlives the command classes that hold it.

#include "map_picture.h"
#include "map_session.h"
#include "map_state.h"
#include "translatable.h"
#include "ui_language.h"
#include "user_dialogs.h"

#include <QString>
#include <functional>
#include <string>

class QAction;
class QSettings;
class QWidget;
class TSettingsStore;

inline constexpr const char* NoMapText = TAVRIN_TEXT("Core", "There is no map in memory");

// A file's name as the bytes the system takes.
std::string LocalPath(const QString& fileName);

// The object, named `name` (the names the window's layout gives its parts).
template <typename T> T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// Engine texts are UTF-8 where they hold file paths; a map string read from a
// file may hold any bytes, which are shown one character per byte.
QString EngineText(std::string_view text);

struct TCommandContext {
    QWidget& Window;
    tavrin::TMapState& State;
    TMapSession& Session;
    const tavrin::TMapPicture& Picture;
    IUserDialogs& Dialogs;
    QSettings& Settings;
    TSettingsStore& Store; // the lists every window shares

    // Runs `command` to its end; an error that leaves it is shown in the
    // error box, never fatal.
    void Run(const std::function<void()>& command) const;
    // Runs `command` through Run whenever `action` is triggered.
    void Bind(QAction* action, std::function<void()> command) const;

    // Saving, exporting, printing and passing a map on need one; without one
    // they say so (and open no dialog).
    bool MapInMemory() const;

    // The first change of the kept maps or the history that could not be
    // written is said, once: the maps stay in this window until it closes.
    // Said after the command, whose map comes first.
    void SayIfUnsaved(bool saved) const;

    // Where the web page is served, for map links: the Share Map dialog's
    // setting, else the build's default; empty for tavrin: links.
    QString WebAddress() const;
};
