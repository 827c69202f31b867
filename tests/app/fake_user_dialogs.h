#pragma once
// User dialogs that answer at once: they record every box and file dialog
// and return the prepared file name (empty: the user cancelled).

#include "user_dialogs.h"

#include <QStringList>
#include <functional>

struct TFakeUserDialogs : IUserDialogs {
    QStringList Messages;
    QStringList Errors;
    QList<TFileDialog> FileDialogs;
    QString Answer;
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
};
