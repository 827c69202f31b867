#pragma once
// Printing the set-up sheet from the window. One printer serves the whole
// run, so that what the user chose in the print dialog (printer, paper,
// copies) is offered again the next time; it starts on the sheet's A4 page.
// The sheet turns the page to whichever orientation shows the map larger.
// The printer is made at the first print command, not before: making it
// loads the print system's plugin, which looks for printers over the network.

#include "setup_sheet.h"
#include "user_dialogs.h"

#include <QImage>
#include <memory>

class QPrinter;
class QWidget;

class TSheetPrinting {
public:
    TSheetPrinting();
    ~TSheetPrinting();

    // Asks with the print dialog, then prints the sheet as one page; nothing
    // happens when the dialog is cancelled. Raises ESheetNotPrinted when the
    // printer (or the print file) cannot be started.
    void Print(QWidget* parent, IUserDialogs& dialogs, const QImage& picture,
               const tavrin::TSheetText& text);

    // Shows the sheet in the print preview until the preview is closed; it
    // can be printed from there. A failure while painting is raised once the
    // preview has closed.
    void Preview(QWidget* parent, IUserDialogs& dialogs, const QImage& picture,
                 const tavrin::TSheetText& text);

private:
    QPrinter& ThePrinter();

    std::unique_ptr<QPrinter> Printer; // none before the first print command
};
