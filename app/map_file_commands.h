#pragma once
// The window's commands that read and write map files: Load Map reads a map
// file into the session; Save Map and Save Map as .bmp write the map and its
// picture through the file layer, whole or not at all. File > Recent Maps
// reopens the last files, and a map file dropped on the window is loaded.
// The file dialogs remember the folder last used.

#include "command_context.h"
#include "recent_maps.h"

#include <QObject>
#include <string>

class QMenu;
class QMimeData;

class TMapFileCommands : public QObject {
    Q_OBJECT

public:
    explicit TMapFileCommands(const TCommandContext& context);

    void LoadMap();
    void SaveMap();
    void SaveBmp();

    // Load Map, a recent file, a dropped file and the start file; `path` is
    // the name's bytes. A file whose map is shown joins the recent maps.
    void LoadMapPath(const std::string& path);

    // File > Recent Maps; the window puts it in its menu.
    QMenu* RecentMenu() const { return RecentMaps1; }

    // The name (its bytes) of the first local .tvm file among dropped URLs;
    // empty when there is none.
    static std::string DroppedMapPath(const QMimeData* data);
    // Loads the dropped file once the drop has ended.
    void LoadDroppedMap(const std::string& path);

private:
    void OpenRecentMap(const QString& path);
    void UpdateRecentMenu();
    bool Execute(TFileDialog& dialog);
    bool AskSaveName(TFileDialog& dialog);

    const TCommandContext& Context;
    TRecentMaps Recent;
    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog SaveDialog2;
    QMenu* RecentMaps1 = nullptr;
};
