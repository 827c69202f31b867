#include "cli.h"
#include "ui_language.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <iostream>

namespace {

// Every failure is reported by tavrin-cli itself in one line; Qt's own
// warnings (a codec's complaint about a hostile tile, for example) would add
// lines of their own. Only a fatal message, which ends the program, is shown.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(KeepQtQuiet);
    UseUserLanguage();
    return tavrin::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                               std::cerr);
}
