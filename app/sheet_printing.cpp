#include "sheet_printing.h"

#include "settings_keys.h"

#include <QPrinter>
#include <QSettings>
#include <exception>

TSheetPrinting::TSheetPrinting(QSettings& settings) : Settings(settings) {
    // Settings edited by hand may hold anything: a size out of range is none.
    Options.Look = Settings.value(SettingsKey::SheetTileBitmaps).toBool()
                       ? tavrin::TTileLook::Bitmaps
                       : tavrin::TTileLook::Art;
    const int size = Settings.value(SettingsKey::SheetTileMillimetres).toInt();
    if (size >= tavrin::MinTileMillimetres && size <= tavrin::MaxTileMillimetres)
        Options.TileMillimetres = size;
}

TSheetPrinting::~TSheetPrinting() = default;

// Making the first printer loads the print plugin, which asks the print
// system for its printers: that waits until a print command is used.
QPrinter& TSheetPrinting::ThePrinter() {
    if (!Printer) {
        Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        Printer->setPageLayout(tavrin::SheetPageLayout());
        Printer->setDocName(QStringLiteral("Tavrin set-up sheet"));
        Printer->setCreator(QStringLiteral("Tavrin Map Generator"));
    }
    return *Printer;
}

void TSheetPrinting::Print(QWidget* parent, IUserDialogs& dialogs, const tavrin::TMapState& state,
                           const QImage& picture, const tavrin::TSheetWords& text) {
    // The sheet takes the colours the view shows.
    Options.Palette = StoredPalette(Settings);
    if (!dialogs.ExecPrintDialog(parent, ThePrinter(), Options))
        return;
    Settings.setValue(SettingsKey::SheetTileBitmaps, Options.Look == tavrin::TTileLook::Bitmaps);
    Settings.setValue(SettingsKey::SheetTileMillimetres, static_cast<int>(Options.TileMillimetres));
    tavrin::PrintSetupSheet(ThePrinter(), state, picture, text, Options);
}

void TSheetPrinting::Preview(QWidget* parent, IUserDialogs& dialogs, const tavrin::TMapState& state,
                             const QImage& picture, const tavrin::TSheetWords& text) {
    // The preview paints from inside Qt's own code, which an exception must
    // not cross: the first failure is kept and raised afterwards.
    std::exception_ptr failure;
    Options.Palette = StoredPalette(Settings);
    dialogs.ShowPrintPreview(parent, ThePrinter(), [&](QPrinter& printer) {
        try {
            tavrin::PrintSetupSheet(printer, state, picture, text, Options);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    });
    if (failure)
        std::rethrow_exception(failure);
}
