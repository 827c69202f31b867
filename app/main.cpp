// Start-up: the tile catalogue is filled and the random generator seeded
// before the application object exists; then the application takes its title
// and the main window is shown maximised until it is closed. A map file given
// as the argument (`tavrin-map-generator FILE.tvm`, as a file manager starts
// it), or a map code or tavrin: link (as a browser starts it), is opened once
// the window is up. --help and --version are answered before any display is
// opened.

#include "app_icon.h"
#include "command_line.h"
#include "form1.h"
#include "map_state.h"
#include "qt_user_dialogs.h"
#include "settings_trim.h"
#include "ui_language.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <string>

namespace {

tavrin::TMapState& Engine() {
    static tavrin::TMapState state;
    return state;
}

// Runs during static initialisation, before main() and so before the
// application object: the catalogue is ready before any window exists.
const bool CatalogueReady = [] {
    tavrin::InitTiles(Engine());
    return true;
}();

// Prints a command line's answer; 0, or 2 for a refused command line.
int Answer(const TCommandLine& line) {
    std::fputs(line.Answer->toLocal8Bit().constData(), line.Refused ? stderr : stdout);
    return line.Refused ? 2 : 0;
}

// The argument that reads as `text`, as its bytes. Qt reads every argument
// as text, the same way QFile::decodeName does, and has taken its own options
// out of argv.
std::string ArgumentBytes(int argc, char* argv[], const QString& text) {
    for (int i = 1; i < argc; ++i)
        if (QFile::decodeName(argv[i]) == text)
            return argv[i];
    return QFile::encodeName(text).toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    if (AsksForHelpOrVersion(raw)) {
        // The help names the program as it was started; no display is needed.
        QCoreApplication core(argc, argv);
        InstallUserLanguage(core);
        return Answer(ReadCommandLine(QCoreApplication::arguments()));
    }

    QApplication app(argc, argv);
    InstallUserLanguage(app);
    // The name, not the display name: Qt would append a display name to
    // every window caption, and the main window has a caption of its own.
    QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
    QApplication::setWindowIcon(AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tavrin-map-generator"));

    // Qt has taken its own options out of the arguments by now.
    const TCommandLine line = ReadCommandLine(QCoreApplication::arguments());
    if (line.Answer)
        return Answer(line);

    TQtUserDialogs dialogs;
    // A settings file far larger than the program writes is cut first: Qt
    // would read all of it before the window could open.
    if (const QString ini = IniSettingsPath(); !ini.isEmpty())
        TrimLargeSettingsFile(ini);
    // What the window remembers between runs, in the user's settings.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrin"),
                       QStringLiteral("tavrin-map-generator"));
    TForm1 Form1(Engine(), dialogs, settings);
    Form1.showMaximized();
    // The map file's name is taken as its bytes: read as text, a name in no
    // known encoding would name another file.
    if (!line.MapFile.isEmpty())
        QTimer::singleShot(
            0, &Form1,
            [&Form1, argument = line.MapFile, bytes = ArgumentBytes(argc, argv, line.MapFile)] {
                Form1.OpenStartArgument(argument, bytes);
            });
    return app.exec();
}
