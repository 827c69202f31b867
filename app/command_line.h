#pragma once
// The program's command line: an optional map file to open, and --help and
// --version, which are answered on standard output without opening a window.

#include <QString>
#include <QStringList>
#include <optional>

struct TCommandLine {
    QString MapFile;               // empty when none was given
    std::optional<QString> Answer; // the text of --help or --version: print it and end
    bool Refused = false;          // an unknown option: Answer holds the message for stderr
};

// Reads the arguments as given to main (the program's name first). Qt's own
// options (-platform and the like) must already be taken out, or are refused.
TCommandLine ReadCommandLine(const QStringList& arguments);

// Whether the arguments ask only for --help or --version, checked before the
// application (and its display) is started.
bool AsksForHelpOrVersion(const QStringList& arguments);
