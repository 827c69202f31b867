#include "sheet_printing.h"

#include <QPrinter>
#include <exception>

TSheetPrinting::TSheetPrinting() = default;

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

void TSheetPrinting::Print(QWidget* parent, IUserDialogs& dialogs, const QImage& picture,
                           const tavrin::TSheetText& text) {
    if (dialogs.ExecPrintDialog(parent, ThePrinter()))
        tavrin::PrintSetupSheet(ThePrinter(), picture, text);
}

void TSheetPrinting::Preview(QWidget* parent, IUserDialogs& dialogs, const QImage& picture,
                             const tavrin::TSheetText& text) {
    // The preview paints from inside Qt's own code, which an exception must
    // not cross: the first failure is kept and raised afterwards.
    std::exception_ptr failure;
    dialogs.ShowPrintPreview(parent, ThePrinter(), [&](QPrinter& printer) {
        try {
            tavrin::PrintSetupSheet(printer, picture, text);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    });
    if (failure)
        std::rethrow_exception(failure);
}
