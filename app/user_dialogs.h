#pragma once
// The window's modal boxes and file dialogs, behind an interface so that
// tests can answer them without a user: the program uses TQtUserDialogs, the
// tests a fake that records what was shown and returns prepared answers.

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace tavrin {
struct TSheetOptions;
}

// Heads every message box and names the program.
inline constexpr const char* ApplicationTitle = "Tavrin Map Generator";

// One file dialog of the window and the name last chosen in it.
struct TFileDialog {
    QString Title;
    QString Filter; // description|pattern pairs, the first pair selected
    QString DefaultExt;
    bool Save = false;  // a save dialog asks before overwriting; an open one wants an existing file
    QString FileName{}; // kept while the program runs, offered the next time
    QString Folder{};   // where the dialog opens while it has no FileName
};

class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;

    // A message of the program: titled with the application title, OK
    // button, no icon, centred on the screen. Returns once it is closed.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

    // An error that ended a command: as ShowMessage but with an error icon.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;

    // The chosen file's full name, or an empty string when cancelled.
    virtual QString GetOpenFileName(QWidget* parent, const TFileDialog& dialog) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const TFileDialog& dialog) = 0;

    // Asks for one line of text, offering `value`; true with the text in
    // `value` when the user accepts, false (and `value` untouched) when not.
    virtual bool InputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                            QString& value) = 0;
    // A save dialog that starts on filter pair `filter` (from 0) and whose
    // default extension follows the chosen filter; `filter` is left on the
    // filter chosen last.
    virtual QString GetSaveFileAndFilter(QWidget* parent, const TFileDialog& dialog,
                                         int& filter) = 0;

    // The print dialog on `printer`, with the sheet's own choices (tile
    // bitmaps instead of the art, a size per tile) on a page of their own;
    // true when the user chose to print, with the printer and `options` set
    // up as chosen, false with both as they were.
    virtual bool ExecPrintDialog(QWidget* parent, QPrinter& printer,
                                 tavrin::TSheetOptions& options) = 0;

    // The print preview of `printer`, which calls `paint` whenever it needs
    // the pages (and once more when the user prints from it). Returns once
    // it is closed. `paint` must not throw.
    virtual void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                  const std::function<void(QPrinter&)>& paint) = 0;
};
