#pragma once
// A GUI application for one command that paints text, made only when the
// process has none.

#include <QGuiApplication>
#include <optional>

namespace tavrin::cli {

// Texts on a picture (the sheet's, a route's labels) need fonts, and fonts
// need a GUI application: one is made for the command when the process has
// none. tavrin-cli never shows a window, so it runs on the offscreen platform whether or not a
// display is there. Qt's own notes about its environment (no runtime folder, say) are kept off
// stderr, which carries the tool's messages alone.
class TFontsReady {
public:
    TFontsReady() {
        if (QCoreApplication::instance())
            return;
        Previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        App.emplace(Argc, Argv);
    }
    ~TFontsReady() {
        if (!App)
            return;
        App.reset();
        qInstallMessageHandler(Previous);
    }
    TFontsReady(const TFontsReady&) = delete;
    TFontsReady& operator=(const TFontsReady&) = delete;

private:
    static inline int Argc = 3;
    static inline char Name[] = "tavrin-cli";
    static inline char Option[] = "-platform";
    static inline char Platform[] = "offscreen";
    static inline char* Argv[] = {Name, Option, Platform, nullptr};
    std::optional<QGuiApplication> App;
    QtMessageHandler Previous = nullptr;
};

} // namespace tavrin::cli
