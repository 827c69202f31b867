// tavrin-cli as a user runs it: outputs, and one clear line with status 2 for
// anything wrong.

#include "cli.h"
#include "cli_run.h"
#include "colour_palette.h"
#include "map_code_text.h"
#include "map_figures.h"
#include "map_link.h"
#include "map_text_answer.h"
#include "map_text_table.h"
#include "pdf_structure.h"
#include "stats.h"

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A fresh folder, removed with all it holds at the end of the test.
class TTempDir {
public:
    TTempDir() {
        char pattern[] = "/tmp/tavrin-cli-XXXXXX";
        if (!::mkdtemp(pattern))
            std::abort();
        path_ = pattern;
    }
    ~TTempDir() { std::filesystem::remove_all(path_); }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QImage ReadImage(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

// The maps of a seed are pinned where they are made (the engine's tests);
// here, that the door passes seed and count on and prints what it gets.
TEST(CliGenerate, SeedAndCountPrintOneMapStringPerLine) {
    const TResult r = RunTool({"generate", "--seed", "12345", "--count", "3", "--stats"});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> maps = Lines(r.out);
    ASSERT_EQ(maps.size(), 3u);
    EXPECT_EQ(maps[0], Map12345);
    EXPECT_NE(maps[1], maps[2]);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "map 1: 8 attempts, 7 passes");
    const TResult clock = RunTool({"generate"});
    EXPECT_EQ(clock.status, 0);
    EXPECT_EQ(clock.out.size(), 61u);
}

// check names every finding and says by its status whether there was one;
// generate --pin keeps the pins in every map it makes, and the maps check clean.
TEST(CliCheck, FindingsOneALineAndPinnedMapsPass) {
    EXPECT_EQ(RunTool({"check", "--map", Map12345}).status, 0);
    std::string turned = Map12345;
    turned[8] = 'j'; // Gloom Hollow turned
    const TResult r = RunTool({"check", "--map", turned});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "Gloom Hollow has a road at its upper right edge; Burrows has none at the edge "
              "they share\n");

    const TResult pinned = RunTool(
        {"generate", "--seed", "4", "--count", "3", "--pin", "March Land:0/0/3, Scarp:0/1/2"});
    ASSERT_EQ(pinned.status, 0) << pinned.err;
    std::istringstream lines(pinned.out);
    for (std::string map; std::getline(lines, map);) {
        EXPECT_EQ(map.substr(30, 3), "ddg"); // March Land at 0/0/3
        EXPECT_EQ(map.substr(45, 3), "def"); // Scarp at 0/1/2
        EXPECT_EQ(RunTool({"check", "--map", map}).status, 0) << map;
    }
}

TEST(CliList, TwentyLinesFromAMapString) {
    const TResult r = RunTool({"list", "--map", Map12345});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[10], "March Land: 0/0/2");
}

TEST(CliRoute, TilesByNumberOrToken) {
    const TResult same = RunTool({"route", "--map", Map12345, "MarchLand", "1", "11", "1"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "MarchLand 1\n");
    const TResult inner = RunTool({"route", "--map", Map12345, "11", "1", "MarchLand", "6"});
    EXPECT_EQ(inner.out, "MarchLand 1\nMarchLand 6\n");
    const TResult none = RunTool({"route", "--map", Map12345, "AshenHollow", "3", "11", "1"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "Clearings not connected!\n");
    // An accepted map reaches every clearing of Tor from the start.
    const TResult far = RunTool({"route", "--map", Map12345, "11", "1", "Tor", "4"});
    EXPECT_EQ(far.status, 0);
    EXPECT_EQ(far.out.substr(0, 12), "MarchLand 1\n");
    EXPECT_EQ(far.out.substr(far.out.size() - 6), "Tor 4\n");
}

TEST(CliErrors, BadInputGivesOneLineAndStatusTwo) {
    std::string badRotation = Map12345;
    badRotation[14] = 'k';
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"fly"},
        {"generate", "--seed"},
        {"generate", "--seed", "-1"},
        {"generate", "--seed", "12x"},
        {"generate", "--count", "0"},
        {"generate", "--colour", "red"},
        {"list"},
        {"list", "--map", badRotation},
        {"route", "--map", Map12345, "11", "1", "11"},
        {"route", "--map", Map12345, "Nowhere", "1", "11", "1"},
        {"route", "--map", Map12345, "21", "1", "11", "1"},
        {"route", "--map", Map12345, "11", "7", "11", "1"},
        {"render", "--map", Map12345},
        {"render", "--map", Map12345, "--out", "map.gif"},
        {"sheet", "--map", Map12345},
        {"sheet", "--map", Map12345, "--out", "sheet.png"},
        {"sheet", "--map", Map12345, "--out", "sheet"},
        {"sheet", "--map", Map12345, "--out", "sheet.pdf", "--paper", "B5"},
        {"sheet", "--map", Map12345, "--out", "sheet.pdf", "--tile-size", "5"},
        {"stats"},
        {"stats", "--seeds", "5"},
        {"stats", "--seeds", "9..3"},
        {"stats", "--seeds", "0..4294967296"},
        {"stats", "--seeds", "0..1", "--threads", "0"},
        // Refused before any seed is measured, or this would run for days.
        {"stats", "--seeds", "0..4294967295", "--csv", "/no/such/folder/stats.csv"},
        {"render", "--map", Map12345, "--out", "map.png", "MarchLand"},
        {"render", "--map", Map12345, "--out", "map.png", "--route", "MarchLand", "1"},
        {"stats", "--seeds", "0..1", "--where", "rows<"},
        {"generate", "--where", "reach>=95"},
        // Refused at once, not after a million maps.
        {"generate", "--where", "reachable>=96"},
        {"render", "--map", Map12345, "--out", "map.png", "--palette", "colour blind"},
        {"figures"},
        {"figures", "--map", Map12345, "--file", "map.tvm"},
        // Pins are refused before any map is made (pin_list_test holds the texts).
        {"generate", "--pin", "Nowhere:0/0/1"},
        {"generate", "--pin", "11:0/0/1,12:0/0/2", "--count", "1000000"},
        {"check"},
        {"sheet", "--map", Map12345, "--out", "sheet.pdf", "--tiles", ""},
        {"sheet", "--map", Map12345, "--out", "sheet.pdf", "--web-address", "ftp://example.org"},
    };
    for (const auto& args : cases) {
        const TResult r = RunTool(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.err.rfind("tavrin-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "more than one line: " << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(RunTool({"list", "--map", badRotation}).err, "tavrin-cli: Range check error\n");
    EXPECT_EQ(RunTool(cases[cases.size() - 2]).err,
              "tavrin-cli: --tiles must be art, bitmaps or a folder's name\n");
    EXPECT_EQ(RunTool(cases.back()).err,
              std::string("tavrin-cli: ") + tavrin::WebAddressText + "\n");
    EXPECT_EQ(RunTool(cases[14]).err,
              "tavrin-cli: --out must name a .bmp, .png, .jpg, .svg or .pdf file\n");
    EXPECT_EQ(RunTool(cases[16]).err, "tavrin-cli: --out must name a .pdf file\n");
}

// A line of the wrong length is shown as the window shows it, every byte of
// its first 100 and "..." when it goes on, on one line with what would not
// show escaped; the status is 2.
TEST(CliErrors, RefusedLineIsShownWhole) {
    const TTempDir dir;
    const std::string line = std::string("ab\0cd", 5) + std::string(100, 'e');
    std::ofstream(dir / "nul.tvm", std::ios::binary) << line << "\r\n";
    const TResult r = RunTool({"list", "--file", dir / "nul.tvm"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "Internal Error: mapstring not valid=ab\\0cd" + std::string(95, 'e') + "...\n");
    EXPECT_TRUE(r.out.empty());
    // What `generate > f.tvm` writes: the bare line feed that makes it 61
    // characters is shown.
    std::ofstream(dir / "lf.tvm", std::ios::binary) << Map12345 << "\n";
    EXPECT_EQ(RunTool({"list", "--file", dir / "lf.tvm"}).err,
              "Internal Error: mapstring not valid=" + Map12345 + "\\n\n");
    // A name that would drive the terminal is shown, not obeyed.
    EXPECT_EQ(RunTool({"list", "--file", dir / "\x1b]0;x\x07\r.tvm"}).err,
              "tavrin-cli: " + dir / "\\x1b]0;x\\x07\\r.tvm" + ": File not found\n");
}

namespace {

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

// Mean, lower median and range, whatever the order the values come in.
TEST(FigureSummary, MeanLowerMedianAndRangeInAnyOrder) {
    const struct {
        std::vector<std::int32_t> Values;
        double Mean;
        std::int32_t Median, Min, Max;
    } cases[] = {
        {{5, 1, 3}, 3.0, 3, 1, 5},     {{3, 5, 1}, 3.0, 3, 1, 5}, {{4, 2}, 3.0, 2, 2, 4},
        {{7, 7, 7, 0}, 5.25, 7, 0, 7}, {{}, 0.0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        tavrin::cli::TFigureSummary summary;
        for (const std::int32_t v : c.Values)
            summary.Add(v);
        EXPECT_EQ(summary.Count(), static_cast<std::int64_t>(c.Values.size()));
        EXPECT_DOUBLE_EQ(summary.Mean(), c.Mean);
        EXPECT_EQ(summary.Median(), c.Median);
        EXPECT_EQ(summary.Min(), c.Min);
        EXPECT_EQ(summary.Max(), c.Max);
    }
}

// The summary's arithmetic is tested at TFigureSummary; here, that the
// summary and the CSV come from the same seeds' figures, whatever the
// threads, and that a seed's row is its generate run's.
TEST(CliStats, SummaryAndCsvAgreeOnAnyNumberOfThreads) {
    const TTempDir dir;
    const TResult r =
        RunTool({"stats", "--seeds", "0..99", "--threads", "3", "--csv", dir / "seeds.csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(RunTool({"stats", "--seeds", "0..99", "--threads", "1"}).out, r.out);

    const std::vector<std::string> csv = Lines(ReadFile(dir / "seeds.csv"));
    ASSERT_EQ(csv.size(), 101u);
    EXPECT_EQ(csv[0], "seed,attempts,passes,reachable,cutoff,cutofftiles,longest,mean,columns,"
                      "rows,clumping,edges,deadends,bridges");
    double attempts = 0;
    for (int seed = 0; seed < 100; ++seed) {
        int number = 0, a = 0;
        ASSERT_EQ(std::sscanf(csv[seed + 1].c_str(), "%d,%d,", &number, &a), 2);
        EXPECT_EQ(number, seed);
        attempts += a;
    }
    const TResult one = RunTool({"generate", "--seed", "7", "--stats"});
    int a = 0, p = 0;
    ASSERT_EQ(std::sscanf(one.err.c_str(), "map 1: %d attempts, %d passes", &a, &p), 2);
    EXPECT_EQ(csv[8].rfind("7," + std::to_string(a) + "," + std::to_string(p) + ",", 0), 0u);

    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3 + tavrin::Figures.size()) << r.out;
    EXPECT_EQ(lines[0], "maps        100");
    EXPECT_EQ(lines[1].rfind("attempts    mean " + TwoDecimals(attempts / 100) + "  median ", 0),
              0u)
        << lines[1];
    EXPECT_EQ(lines[2].rfind("passes      mean ", 0), 0u) << lines[2];
    for (std::size_t k = 0; k < tavrin::Figures.size(); ++k)
        EXPECT_EQ(lines[k + 3].rfind(std::string(tavrin::Figures[k].Name) + " ", 0), 0u)
            << lines[k + 3];
}

// The figures of one seed, pinned: its map (Map12345) lists columns -2..3
// and rows -3..2; 90 clearings are reachable from the start (5 cut off, on 3
// tiles) and the longest shortest route has 14 clearings.
TEST(CliStats, FiguresOfOneSeedArePinned) {
    const TTempDir dir;
    ASSERT_EQ(RunTool({"stats", "--seeds", "12345..12345", "--csv", dir / "one.csv"}).status, 0);
    EXPECT_EQ(Lines(ReadFile(dir / "one.csv")).at(1), "12345,8,7,90,5,3,14,8.33,6,6,6,39,12,35");
}

TEST(CliFiles, GenerateSavesMapFilesThatListAndRouteRead) {
    const TTempDir dir;
    const TResult one = RunTool({"generate", "--seed", "12345", "--save", dir / "one.tvm"});
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(ReadFile(dir / "one.tvm"), Map12345 + "\r\n");

    const TResult three =
        RunTool({"generate", "--seed", "12345", "--count", "3", "--save", dir / "m.tvm"});
    ASSERT_EQ(three.status, 0) << three.err;
    for (const char* name : {"m1.tvm", "m2.tvm", "m3.tvm"})
        EXPECT_TRUE(std::ifstream(dir / name).good()) << name;

    EXPECT_EQ(RunTool({"list", "--file", dir / "m1.tvm"}).out,
              RunTool({"list", "--map", Map12345}).out);
    EXPECT_EQ(RunTool({"route", "--file", dir / "one.tvm", "11", "1", "11", "6"}).out,
              "MarchLand 1\nMarchLand 6\n");

    const TResult missing = RunTool({"list", "--file", dir / "none.tvm"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "tavrin-cli: " + dir / "none.tvm" + ": File not found\n");
    EXPECT_EQ(RunTool({"list", "--file", dir / "one.tvm", "--map", Map12345}).status, 2);
}

// A generated map rendered with the built tile bitmaps: the picture has the
// size of the map's layout box, and no pixel of the key colour is left
// anywhere (inside the hexes the tiles cover it, outside it stays white).
TEST(CliRender, GeneratedMapHasNoKeyColourLeft) {
    const TTempDir dir;
    for (const char* name : {"map.png", "map.bmp"}) {
        const TResult r =
            RunTool({"render", "--map", Map12345, "--out", dir / name, "--tiles", TILE_DIR});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
    // Both formats hold the same picture, so one of them is looked at.
    const QImage image = ReadImage(dir / "map.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image == ReadImage(dir / "map.png"));
    long key = 0, white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) & 0xffffff;
            key += c == 0xff00ff;
            white += c == 0xffffff;
        }
    EXPECT_EQ(key, 0);
    EXPECT_LT(white, image.width() * image.height() / 2);

    // Missing bitmaps are reported one by one and the picture is still made.
    const TResult bare =
        RunTool({"render", "--map", Map12345, "--out", dir / "bare.bmp", "--tiles", dir.path()});
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(bare.err.rfind("File not found: " + dir / "AshenHollow", 0), 0u) << bare.err;
}

// With --route and --cut-off the marks are drawn as the window draws them;
// the marks themselves are tested in the drawing library.
TEST(CliRender, MarksAreDrawnOnThePicture) {
    const TTempDir dir;
    // How many pixels of the route's red and of the cut-off marks' purple.
    const auto markPixels = [&](const std::vector<std::string>& marks) {
        std::vector<std::string> args{"render",      "--map",   Map12345, "--out",
                                      dir / "r.png", "--tiles", TILE_DIR};
        args.insert(args.end(), marks.begin(), marks.end());
        const TResult r = RunTool(args);
        EXPECT_EQ(r.status, 0) << r.err;
        const QImage image = ReadImage(dir / "r.png");
        std::pair<long, long> count{0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                count.first += (image.pixel(x, y) & 0xffffff) == 0xc81e2d;
                count.second += (image.pixel(x, y) & 0xffffff) == 0x7814a0;
            }
        return count;
    };
    EXPECT_EQ(markPixels({}), std::pair(0L, 0L));
    const auto route = markPixels({"--route", "MarchLand", "1", "5", "1"});
    EXPECT_GT(route.first, 100);
    EXPECT_EQ(route.second, 0);
    const auto both = markPixels({"--cut-off", "--route", "MarchLand", "1", "5", "1"});
    EXPECT_GT(both.first, 100);
    EXPECT_GT(both.second, 20);
}

// --palette colour-blind colours the art's ground and the route in the
// palette the core holds apart; the palette itself is tested in the core.
TEST(CliRender, ColourBlindPaletteColoursGroundAndRoute) {
    const TTempDir dir;
    const TResult r = RunTool({"render", "--map", Map12345, "--out", dir / "cb.png", "--palette",
                               "colour-blind", "--route", "MarchLand", "1", "5", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const tavrin::TPaletteColours& colours = tavrin::PaletteColours(tavrin::TPalette::ColourBlind);
    const auto rgb = [](tavrin::TRgb c) { return qRgb(c.R, c.G, c.B) & 0xffffff; };
    const QImage image = ReadImage(dir / "cb.png");
    long hollow = 0, route = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            hollow += (image.pixel(x, y) & 0xffffff) == rgb(colours.Terrain[0]);
            route += (image.pixel(x, y) & 0xffffff) == rgb(colours.Route);
        }
    EXPECT_GT(hollow, 1000);
    EXPECT_GT(route, 100);
}

// render writes the format the extension names, sheet writes a PDF; which
// name means which format, and the sheet's one page, are tested where the
// export and the sheet are made.
TEST(CliRender, FormatFollowsExtensionAndSheetIsAPdf) {
    const TTempDir dir;
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"render", "--out", dir / "MAP.JPEG"}, "\xff\xd8\xff"},
        {{"render", "--out", dir / "map.svg"}, "<?xml"},
        {{"sheet", "--out", dir / "sheet.pdf"}, "%PDF-1."},
    };
    for (auto [args, magic] : cases) {
        args.insert(args.end(), {"--map", Map12345, "--tiles", TILE_DIR});
        const TResult r = RunTool(args);
        ASSERT_EQ(r.status, 0) << args[2] << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
        EXPECT_EQ(ReadFile(args[2]).substr(0, magic.size()), magic) << args[2];
    }
}

// --paper and --tile-size reach the sheet: Letter pages, and a map at 100 mm
// a tile is a poster of several pages after the table's.
TEST(CliSheet, PaperAndTileSizeReachTheSheet) {
    const TTempDir dir;
    const std::string out = dir / "sheet.pdf";
    const TResult r = RunTool({"sheet", "--map", Map12345, "--out", out, "--paper", "letter",
                               "--tile-size", "100", "--tiles", "art"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = ReadFile(out);
    const TPdfStructure pdf =
        PdfStructure(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    ASSERT_GT(pdf.PageSizes.size(), 2);
    for (const QSizeF& page : pdf.PageSizes)
        EXPECT_TRUE(page == QSizeF(612, 792) || page == QSizeF(792, 612));
    EXPECT_EQ(pdf.Images, 0);
}

// A map named by its seed keeps that naming in the sheet's title and at the
// foot of every page; --web-address is taken.
TEST(CliSheet, SeedNamingReachesTheTitle) {
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext is missing";
    const TTempDir dir;
    const std::string out = dir / "sheet.pdf";
    ASSERT_EQ(RunTool({"sheet", "--map", "seed 7", "--out", out, "--tiles", "art", "--paper", "A4",
                       "--web-address", "example.org/tavrin/"})
                  .status,
              0);
    std::string text;
    FILE* pipe = ::popen(("pdftotext '" + out + "' -").c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        text += static_cast<char>(c);
    ::pclose(pipe);
    EXPECT_NE(text.find("Tavrin map: Seed 7, map 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Seed 7, map 1: page 2 of 2"), std::string::npos) << text;
}

// The real program, as a shell runs it: a failure is one line on stderr that
// names the file, with no line of Qt's own (a codec's warning about a hostile
// tile, a PNG library's complaint about a full disk).
TEST(CliRender, FailuresAreOneLineNamingTheFile) {
    const TTempDir dir;
    const auto run = [](const std::string& arguments) {
        const std::string command = TILE_DIR "/tavrin-cli " + arguments + " 2>&1 >/dev/null";
        std::string err;
        FILE* pipe = ::popen(command.c_str(), "r");
        for (int c; (c = std::fgetc(pipe)) != EOF;)
            err += static_cast<char>(c);
        ::pclose(pipe);
        return err;
    };
    ASSERT_EQ(::symlink("/dev/full", (dir / "full.png").c_str()), 0);
    EXPECT_EQ(run("render --map " + Map12345 + " --out " + dir / "full.png" + " --tiles " TILE_DIR),
              "tavrin-cli: " + dir / "full.png" + ": Disk full\n");

    // Tile 1's bitmap declares pixels past its end (Qt warns, then decodes
    // black), tile 2's is not a bitmap: the drawing stops there.
    const auto tileFile = [&](const std::string& token, int tile) {
        return dir / (token + std::to_string(Map12345[3 * tile - 1] - 100) + ".bmp");
    };
    std::filesystem::copy_file(TILE_CORPUS_DIR "/pixels_past_the_end.bmp",
                               tileFile("AshenHollow", 1));
    const std::string sour = tileFile("SourHollow", 2);
    std::ofstream(sour) << "not a bitmap";
    EXPECT_EQ(
        run("render --map " + Map12345 + " --out " + dir / "map.bmp" + " --tiles " + dir.path()),
        "tavrin-cli: " + sour + ": Bitmap image is not valid\n");
}

// Names are bytes: every name given reaches the system as given, and the file
// its lossy reading as UTF-8 would name is left alone.
TEST(CliFiles, NamesInNoEncodingNameThatFile) {
    const TTempDir dir;
    std::ofstream(dir / "\xef\xbf\xbd.png") << "unrelated";
    const std::string tiles = dir / "t\xff";
    std::filesystem::create_directory(tiles);
    for (const auto& entry : std::filesystem::directory_iterator(TILE_DIR))
        if (entry.path().extension() == ".bmp")
            std::filesystem::copy_file(entry.path(), tiles / entry.path().filename());
    const std::vector<std::vector<std::string>> cases = {
        {"render", "--map", Map12345, "--out", dir / "\xfe.png", "--tiles", tiles},
        {"sheet", "--map", Map12345, "--out", dir / "\xfe.pdf", "--tiles", tiles},
        {"generate", "--seed", "12345", "--save", dir / "\xfe.tvm"},
        {"list", "--file", dir / "\xfe.tvm"},
        {"stats", "--seeds", "0..9", "--csv", dir / "\xfe.csv"},
    };
    for (const auto& args : cases) {
        const TResult r = RunTool(args);
        EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
        EXPECT_TRUE(r.err.empty()) << args[0] << ": " << r.err;
    }
    for (const char* made : {"\xfe.png", "\xfe.pdf", "\xfe.tvm", "\xfe.csv"})
        EXPECT_GT(std::filesystem::file_size(dir / made), 0u) << made;
    EXPECT_EQ(ReadFile(dir / "\xef\xbf\xbd.png"), "unrelated");
}

// A save to /dev/stdout when the output is a pipe goes into the pipe.
TEST(CliFiles, SaveToStandardOutputThroughAPipe) {
    const std::string command =
        TILE_DIR "/tavrin-cli generate --seed 12345 --save /dev/stdout 2>&1 | cat";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(c);
    ::pclose(pipe);
    EXPECT_EQ(out, Map12345 + "\n" + Map12345 + "\r\n");
}

// share prints the code and the link; --map takes them back, and every
// other form a paste understands, for any command.
TEST(CliShare, CodeAndLinkReadBackThroughMap) {
    const TResult r = RunTool({"share", "--map", Map12345});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "tavrin:" + lines[0]);
    const std::string listing = RunTool({"list", "--map", Map12345}).out;
    for (const std::string& map : {lines[0], "see " + lines[1] + " please",
                                   std::string("seed 12345"), std::string("12345/1")})
        EXPECT_EQ(RunTool({"list", "--map", map}).out, listing) << map;
    std::string wrong = lines[0];
    wrong[0] = wrong[0] == 'Z' ? 'Y' : 'Z';
    EXPECT_EQ(RunTool({"share", "--map", wrong}).err,
              "tavrin-cli: This map code has a mistake in it\n");
    EXPECT_EQ(RunTool({"share", "--map", "Seed 7, map 100001"}).err,
              "tavrin-cli: A map number is a whole number from 1 to 100000.\n");
}

// The doors' table (tests/support/map_text_table.tsv) as --map: tavrin-cli
// answers every text as the session core does.
TEST(CliShare, MapAnswersTheDoorsTable) {
    for (const tavrin::test::TMapTextRow& row : tavrin::test::MapTextTable()) {
        const TResult r = RunTool({"list", "--map", row.Text});
        if (row.Answer == tavrin::test::TMapTextRow::Map ||
            row.Answer == tavrin::test::TMapTextRow::Seed) {
            const std::string map = tavrin::MapStringOfSeed({row.SeedNumber, row.MapNumber});
            EXPECT_EQ(r.out, RunTool({"list", "--map", map}).out) << row.Text;
            EXPECT_EQ(r.status, 0) << row.Text;
        } else {
            const std::string_view answer =
                row.Answer == tavrin::test::TMapTextRow::Refused
                    ? row.Refusal
                    : tavrin::NoMapCodeText(tavrin::TTextSource::Argument);
            EXPECT_EQ(r.err, "tavrin-cli: " + std::string(answer) + "\n") << row.Text;
            EXPECT_EQ(r.status, 2) << row.Text;
        }
    }
}
