#pragma once
// The window's commands that pass the picture on: Export Picture writes the
// map alone in a format to share, Print and Print Preview send the set-up
// sheet to the printer. Each needs a drawn map, as the save commands do.

#include "command_context.h"
#include "sheet_printing.h"

class TPictureCommands {
public:
    explicit TPictureCommands(const TCommandContext& context);

    void ExportPicture();
    void Print();
    void PrintPreview();

private:
    tavrin::TSheetWords SheetWords() const;

    const TCommandContext& Context;
    TFileDialog SaveDialog3;   // Export Picture
    int SaveDialog3Filter = 0; // the format chosen there last
    TSheetPrinting SheetPrinting;
};
