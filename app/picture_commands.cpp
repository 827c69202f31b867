// The window's commands that pass the picture on: Export Picture writes the
// map alone in a format to share, Print and Print Preview send the set-up
// sheet to the printer. Each needs a drawn map, as the save commands do.

#include "form1.h"
#include "map_string.h"
#include "picture_export.h"
#include "picture_export_dialog.h"
#include "share_code.h"

// The map in the format its name's extension names, or else in the format
// of the chosen filter, naming its map in the file's metadata; SVG and PDF
// draw the tile art unless the filter chose the tile bitmaps.
void TForm1::A_ExportPictureExecute() {
    if (!MapInMemory())
        return;
    const QString name = Dialogs.GetSaveFileAndFilter(this, SaveDialog3, SaveDialog3Filter);
    if (name.isEmpty())
        return;
    SaveDialog3.FileName = name;
    const std::string path = LocalPath(name);
    const tavrin::TPictureMetadata metadata{
        QString::fromStdString(tavrin::ShareCode(tavrin::MakeMapString(State))), SeedText()};
    tavrin::ExportMap(path, State, Picture.Image(),
                      tavrin::ExportFormat(path, ExportFilterFormat(SaveDialog3Filter)),
                      ExportFilterLook(SaveDialog3Filter), metadata);
}

void TForm1::A_PrintExecute() {
    if (MapInMemory())
        SheetPrinting.Print(this, Dialogs, State, Picture.Image(), SheetWords());
}

void TForm1::A_PrintPreviewExecute() {
    if (MapInMemory())
        SheetPrinting.Preview(this, Dialogs, State, Picture.Image(), SheetWords());
}

// The sheet of the map in memory, with "Seed N, map k" when the map shown was
// made from a seed in this session.
tavrin::TSheetWords TForm1::SheetWords() const {
    return tavrin::SheetWordsToday(State, SeedText(), WebAddress());
}
