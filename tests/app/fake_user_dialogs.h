#pragma once
// User dialogs that answer at once: they record every box and file dialog
// and return the prepared file name (empty: the user cancelled) and the
// prepared text entry (none: the user cancelled).

#include "user_dialogs.h"

#include <QStringList>
#include <optional>

struct TFakeUserDialogs : IUserDialogs {
    QStringList Messages;
    QStringList Errors;
    QList<TFileDialog> FileDialogs;
    QString Answer;
    QStringList Queries; // the prompt of every InputQuery
    std::optional<QString> Entry;

    void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
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
};
