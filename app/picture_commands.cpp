#include "picture_commands.h"

#include "map_string.h"
#include "picture_export.h"
#include "picture_export_dialog.h"
#include "settings_keys.h"
#include "share_code.h"

TPictureCommands::TPictureCommands(const TCommandContext& context)
    : Context(context), SaveDialog3(PictureExportDialog()), SheetPrinting(context.Settings) {}

// The map in the format its name's extension names, or else in the format
// of the chosen filter, naming its map in the file's metadata; SVG and PDF
// draw the tile art unless the filter chose the tile bitmaps.
void TPictureCommands::ExportPicture() {
    if (!Context.MapInMemory())
        return;
    const QString name =
        Context.Dialogs.GetSaveFileAndFilter(&Context.Window, SaveDialog3, SaveDialog3Filter);
    if (name.isEmpty())
        return;
    SaveDialog3.FileName = name;
    const std::string path = LocalPath(name);
    const tavrin::TPictureMetadata metadata{
        QString::fromStdString(tavrin::ShareCode(tavrin::MakeMapString(Context.State))),
        Context.Session.SeedText()};
    tavrin::ExportMap(path, Context.State, Context.Picture.Image(),
                      tavrin::ExportFormat(path, ExportFilterFormat(SaveDialog3Filter)),
                      ExportFilterLook(SaveDialog3Filter), metadata,
                      StoredPalette(Context.Settings));
}

void TPictureCommands::Print() {
    if (Context.MapInMemory())
        SheetPrinting.Print(&Context.Window, Context.Dialogs, Context.State,
                            Context.Picture.Image(), SheetWords());
}

void TPictureCommands::PrintPreview() {
    if (Context.MapInMemory())
        SheetPrinting.Preview(&Context.Window, Context.Dialogs, Context.State,
                              Context.Picture.Image(), SheetWords());
}

// The sheet of the map in memory, with "Seed N, map k" when the map shown was
// made from a seed in this session.
tavrin::TSheetWords TPictureCommands::SheetWords() const {
    return tavrin::SheetWordsToday(Context.State, Context.Session.SeedText(), Context.WebAddress());
}
