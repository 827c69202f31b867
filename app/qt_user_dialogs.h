#pragma once
// The user dialogs of the running program: QMessageBox and QFileDialog.

#include "user_dialogs.h"

#include <QStringList>

class TQtUserDialogs : public IUserDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text) override;
    QString GetOpenFileName(QWidget* parent, const TFileDialog& dialog) override;
    QString GetSaveFileName(QWidget* parent, const TFileDialog& dialog) override;
    bool InputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                    QString& value) override;
    QString GetSaveFileAndFilter(QWidget* parent, const TFileDialog& dialog, int& filter) override;
    bool ExecPrintDialog(QWidget* parent, QPrinter& printer,
                         tavrin::TSheetOptions& options) override;
    void ShowPrintPreview(QWidget* parent, QPrinter& printer,
                          const std::function<void(QPrinter&)>& paint) override;
};

// Qt name filters for a "description|pattern|..." filter. Each keeps its
// description as the text the user sees (the dialog hides the pattern Qt
// adds); "*.*" matches every file, also names without a dot.
QStringList QtNameFilters(const QString& filter);
