#pragma once
// Printing the set-up sheet from the window. One printer serves the whole
// run, so that what the user chose in the print dialog (printer, paper,
// copies) is offered again the next time; it starts on the locale's paper
// (A4 or Letter). The sheet's own choices (tile bitmaps, a size per tile)
// are kept in the settings, so they are offered again in later runs too.
// The sheet turns the page to whichever orientation suits the map.
// The printer is made at the first print command, not before: making it
// loads the print system's plugin, which looks for printers over the network.

#include "setup_sheet.h"
#include "user_dialogs.h"

#include <QImage>
#include <memory>

class QPrinter;
class QSettings;
class QWidget;

class TSheetPrinting {
public:
    explicit TSheetPrinting(QSettings& settings);
    ~TSheetPrinting();

    // Asks with the print dialog, then prints the sheet of the map of
    // `state` (`picture` is its drawing from the tile bitmaps); nothing
    // happens when the dialog is cancelled. Raises ESheetNotPrinted when the
    // printer (or the print file) cannot be started.
    void Print(QWidget* parent, IUserDialogs& dialogs, const tavrin::TMapState& state,
               const QImage& picture, const tavrin::TSheetWords& text);

    // Shows the sheet in the print preview until the preview is closed; it
    // can be printed from there. A failure while painting is raised once the
    // preview has closed.
    void Preview(QWidget* parent, IUserDialogs& dialogs, const tavrin::TMapState& state,
                 const QImage& picture, const tavrin::TSheetWords& text);

private:
    QPrinter& ThePrinter();

    std::unique_ptr<QPrinter> Printer; // none before the first print command
    QSettings& Settings;
    tavrin::TSheetOptions Options;
};
