#pragma once
// The window's commands that pass maps on, bring them back and keep them:
// the share code and the classic map code on the clipboard, any map found in
// pasted text or in the program's argument (a file, a code, a tavrin: link),
// the Share Map dialog, the maps of a seed, Back and Forward through the
// session's maps, and Map > Kept Maps. The session takes every map; the
// window lists and draws it when the session says the map has changed.

#include "command_context.h"
#include "kept_maps.h"
#include "session_core.h"

#include <QObject>
#include <string>

class QMenu;
class TMapFileCommands;

class TMapCommands : public QObject {
    Q_OBJECT

public:
    // `files` loads what the program's argument names as a file.
    TMapCommands(const TCommandContext& context, TMapFileCommands& files);

    void CopyMapCode();
    void CopyClassicMapCode();
    void PasteMapCode();
    void ShareMap();
    // Sets the random generator to the seed given and makes its first map;
    // the following Create Maps go on with that seed's sequence.
    void CreateMapFromSeed();
    void Back();
    void Forward();
    // The map shown joins the kept maps under the name given; without one,
    // under its seed naming or else its share code.
    void KeepMap();

    // The program's argument: a map file (named by `bytes`, the argument's
    // own bytes), or a map in any form a paste understands (a tavrin: link as
    // a browser passes it); errors are shown as the command's.
    void OpenStartArgument(const QString& argument, const std::string& bytes);

    // Map > Kept Maps and Map > Remove Kept Map; the window puts them in its
    // menu, and has them rebuilt whenever the Map menu opens, since another
    // window may have changed the list.
    QMenu* KeptMenu() const { return KeptMaps1; }
    QMenu* RemoveKeptMenu() const { return RemoveKeptMap1; }
    void UpdateKeptMenu();

private:
    void OpenMapText(const QString& text, tavrin::TTextSource source);
    void OpenKeptMap(const tavrin::TKeptMap& map);
    void RemoveKeptMap(const tavrin::TKeptMap& map);

    const TCommandContext& Context;
    TMapFileCommands& Files;
    TKeptMaps Kept;
    QMenu* KeptMaps1 = nullptr;
    QMenu* RemoveKeptMap1 = nullptr;
};
