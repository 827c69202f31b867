#include "command_line.h"

#include "app_version.h"
#include "user_dialogs.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

struct TParser {
    QCommandLineParser Parser;
    QCommandLineOption Help = Parser.addHelpOption();
    QCommandLineOption Version = Parser.addVersionOption();

    // --help-all, which the help option brings along, answers as --help.
    bool AsksForHelp() const {
        return Parser.isSet(Help) || Parser.isSet(QStringLiteral("help-all"));
    }

    TParser() {
        Parser.setApplicationDescription(QCoreApplication::translate(
            "TCommandLine", "Lays out random maps of 20 hexagonal tiles for the board "
                            "game."));
        Parser.addPositionalArgument(
            QCoreApplication::translate("TCommandLine", "file"),
            QCoreApplication::translate("TCommandLine",
                                        "A map file (.tvm), a map code or a tavrin: link to open."),
            QCoreApplication::translate("TCommandLine", "[file]"));
    }
};

} // namespace

TCommandLine ReadCommandLine(const QStringList& arguments) {
    TParser p;
    TCommandLine line;
    if (!p.Parser.parse(arguments)) {
        line.Refused = true;
        line.Answer = p.Parser.errorText() + QLatin1Char('\n');
        return line;
    }
    if (p.AsksForHelp()) {
        line.Answer = p.Parser.helpText();
        return line;
    }
    if (p.Parser.isSet(p.Version)) {
        line.Answer = QString::fromLatin1(ApplicationTitle) + QLatin1Char(' ') +
                      QString::fromUtf8(tavrin::AppVersion()) + QLatin1Char('\n');
        return line;
    }
    const QStringList files = p.Parser.positionalArguments();
    if (!files.isEmpty())
        line.MapFile = files.front();
    return line;
}

bool AsksForHelpOrVersion(const QStringList& arguments) {
    TParser p;
    p.Parser.parse(arguments);
    return p.AsksForHelp() || p.Parser.isSet(p.Version);
}
