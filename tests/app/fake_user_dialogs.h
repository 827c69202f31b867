#pragma once
// User dialogs that answer at once: they record every box and file dialog
// and return the prepared file name (empty: the user cancelled) and the
// prepared text entry (none: the user cancelled). The print dialog and the
// print preview send the printer's pages to a PDF file.

#include "setup_sheet.h"
#include "user_dialogs.h"

#include <QPrinter>
#include <QStringList>
#include <functional>
#include <optional>

struct TFakeUserDialogs : IUserDialogs {
    QStringList Messages;
    QStringList Errors;
    QList<TFileDialog> FileDialogs;
    QString Answer;
    QStringList Queries; // the prompt of every InputQuery
    std::optional<QString> Entry;
    int AnswerFilter = 0; // the filter the user chooses in GetSaveFileAndFilter
    QList<int> StartFilters;

    QString PrintFile; // where the printer's pages go; empty: the print dialog is cancelled
    std::optional<tavrin::TSheetOptions> PrintOptions; // chosen in the print dialog, if any
    int PrintDialogs = 0;
    int Previews = 0;
    std::function<void()> WhileMessageShows; // runs as if the box were open

    void ShowMessage(QWidget*, const QString& text) override {
        Messages << text;
        if (WhileMessageShows)
            WhileMessageShows();
    }
    void ShowError(QWidget*, const QString& text) override { Errors << text; }
    QString GetOpenFileName(QWidget*, const TFileDialog& dialog) override {
        FileDialogs << dialog;
        return Answer;
    }
    QString GetSaveFileName(QWidget*, const TFileDialog& dialog) override {
        FileDialogs << dialog;
        return Answer;
    }
    bool InputQuery(QWidget*, const QString&, const QString& prompt, QString& value) override {
        Queries << prompt;
        if (!Entry)
            return false;
        value = *Entry;
        return true;
    }
    QString GetSaveFileAndFilter(QWidget*, const TFileDialog& dialog, int& filter) override {
        FileDialogs << dialog;
        StartFilters << filter;
        filter = AnswerFilter;
        return Answer;
    }
    bool ExecPrintDialog(QWidget*, QPrinter& printer, tavrin::TSheetOptions& options) override {
        ++PrintDialogs;
        if (PrintFile.isEmpty())
            return false;
        ToPdfFile(printer);
        if (PrintOptions)
            options = *PrintOptions;
        return true;
    }
    void ShowPrintPreview(QWidget*, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override {
        ++Previews;
        ToPdfFile(printer);
        paint(printer);
    }

private:
    void ToPdfFile(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PrintFile);
    }
};
