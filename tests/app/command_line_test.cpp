// The program's command line: a map file, or an answer without a window.

#include "command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, FileHelpVersionAndRefusal) {
    const struct {
        QStringList Arguments;
        bool Asks;      // answered before the application starts
        QString File;   // the map file to open
        QString Answer; // how the answer begins
        bool Refused;
    } cases[] = {
        {{"tavrin", "map.tvm"}, false, "map.tvm", {}, false},
        {{"tavrin"}, false, {}, {}, false},
        {{"tavrin", "--version"}, true, {}, "Tavrin Map Generator 1.", false},
        {{"tavrin", "-h"}, true, {}, "Usage: ", false},
        {{"tavrin", "--bogus", "map.tvm"}, false, {}, "Unknown option 'bogus'.", true},
    };
    for (const auto& c : cases) {
        const QString name = c.Arguments.join(' ');
        EXPECT_EQ(AsksForHelpOrVersion(c.Arguments), c.Asks) << name.toStdString();
        const TCommandLine line = ReadCommandLine(c.Arguments);
        EXPECT_EQ(line.MapFile, c.File) << name.toStdString();
        EXPECT_EQ(line.Answer.has_value(), !c.Answer.isEmpty()) << name.toStdString();
        EXPECT_TRUE(line.Answer.value_or(QString()).startsWith(c.Answer)) << name.toStdString();
        EXPECT_EQ(line.Refused, c.Refused) << name.toStdString();
    }
}

} // namespace
