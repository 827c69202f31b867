#pragma once
// The window's commands that read and write map files: Load Map reads a map
// file into the session; Save Map and Save Map as .bmp write the map and its
// picture through the file layer, whole or not at all. File > Recent Maps
// reopens the last files, and a map file dropped on the window is loaded
// (the commands watch the window's drag and drop events). The file dialogs
// remember the folder last used.

#include "command_context.h"
#include "recent_maps.h"

#include <QObject>
#include <string>

class QMenu;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

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
