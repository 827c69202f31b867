// Where the programs look for their tile bitmaps: beside the executable in a
// build, in the shared data folder once installed.

#include "map_picture.h"
#include "tile_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using tavrin::TileFolderFor;

namespace {

struct TFolderCase {
    const char* Name;
    bool BitmapBeside;
    bool Installed;
    const char* Expected; // relative to the prefix
};

void PrintTo(const TFolderCase& c, std::ostream* os) {
    *os << c.Name;
}

class TileFolder : public testing::TestWithParam<TFolderCase> {};

TEST_P(TileFolder, BesideTheProgramFirstThenTheInstalledFolder) {
    const TFolderCase& c = GetParam();
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    if (c.BitmapBeside) {
        QFile bitmap(root.filePath(QStringLiteral("bin/") +
                                   tavrin::TileBitmapName(1, 1, QStringLiteral(".bmp"))));
        ASSERT_TRUE(bitmap.open(QIODevice::WriteOnly));
    }
    if (c.Installed) {
        ASSERT_TRUE(root.mkpath(QStringLiteral("share/tavrin-map-generator")));
    }

    EXPECT_EQ(TileFolderFor(root.filePath(QStringLiteral("bin")).toStdString()),
              root.filePath(QString::fromLatin1(c.Expected)).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TileFolder,
    testing::Values(TFolderCase{"Build", true, false, "bin"},
                    TFolderCase{"BuildBesideAnInstall", true, true, "bin"},
                    TFolderCase{"Installed", false, true, "share/tavrin-map-generator"},
                    TFolderCase{"NeitherNamesTheProgramFolder", false, false, "bin"}),
    [](const testing::TestParamInfo<TFolderCase>& info) { return info.param.Name; });

} // namespace
