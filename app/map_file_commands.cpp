// The window's commands that read and write files: Load Map reads a map file
// into the tiles and shows it; Save Map and Save Map as .bmp write the map
// and its picture through the file layer, whole or not at all. The file
// dialogs remember the folder last used.

#include "bmp_file.h"
#include "file_read.h"
#include "file_save.h"
#include "form1.h"
#include "map_file.h"

#include <QFile>

void TForm1::A_LoadMapExecute() {
    if (Execute(OpenDialog1))
        LoadMapPath(LocalPath(OpenDialog1.FileName));
}

// Reads the file's first line and loads it; a file whose map is shown joins
// the recent maps, unless its name is in no encoding the menu can show and
// give back (the menu keeps names as text).
void TForm1::LoadMapPath(const std::string& path) {
    const std::string bytes = tavrin::ReadFileHead(path, tavrin::MapLineLimit);
    const QString name = QFile::decodeName(QByteArray::fromStdString(path));
    if (!MapSession.LoadMapLine(tavrin::FirstLine(bytes), name))
        return;
    if (LocalPath(name) != path)
        return;
    Recent.Add(name);
    UpdateRecentMenu();
}

// Saving, exporting and printing need a drawn map; without one they say so
// and open no dialog.
bool TForm1::MapInMemory() {
    if (!State.MapPresent)
        Dialogs.ShowMessage(this, QString::fromLatin1(NoMapText));
    return State.MapPresent;
}

bool TForm1::AskSaveName(TFileDialog& dialog) {
    return MapInMemory() && Execute(dialog);
}

void TForm1::A_SaveMapExecute() {
    if (!AskSaveName(SaveDialog1))
        return;
    tavrin::SaveFile(LocalPath(SaveDialog1.FileName), tavrin::MapFileBytes(State));
    MapSession.MapSaved(SaveDialog1.FileName);
    Recent.Add(SaveDialog1.FileName);
    UpdateRecentMenu();
}

void TForm1::A_SaveBmpExecute() {
    if (AskSaveName(SaveDialog2))
        tavrin::SaveBmpFile(LocalPath(SaveDialog2.FileName), Picture.Image());
}

// A dialog that has chosen no file in this run opens in the folder that any
// of them used last, in this run or an earlier one.
bool TForm1::Execute(TFileDialog& dialog) {
    dialog.Folder = Recent.LastFolder();
    const QString name =
        dialog.Save ? Dialogs.GetSaveFileName(this, dialog) : Dialogs.GetOpenFileName(this, dialog);
    if (name.isEmpty())
        return false;
    dialog.FileName = name;
    Recent.SetLastFolderOf(name);
    return true;
}

std::string TForm1::LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}
