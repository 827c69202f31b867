// tavrin-cli as a user runs it: outputs, and one clear line with status 2 for
// anything wrong.

#include "cli.h"
#include "pdf_structure.h"

#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using tavrin::cli::RunCli;

namespace {

struct TResult {
    int status;
    std::string out, err;
};

TResult RunTool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

const std::string Map12345 = "cafdchffifdhedhcdeececcffefgdeddfdeegehebicbfdbhcejbeegcieae";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QImage ReadImage(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CliGenerate, SeedAndCountPrintOneMapStringPerLine) {
    const TResult r = RunTool({"generate", "--seed", "12345", "--count", "3", "--stats"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, Map12345 + "\n"
                                "bfheeidffdgeedjefifdgcbhbchcciddecdfceedceebiecgffjdefegjbee\n"
                                "ececdhcfefcgceggcebdgbgefdjcbiddfdfidgfdcgdeeedeeejbfgebicce\n");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "map 1: 8 attempts, 7 passes");
    const TResult clock = RunTool({"generate"});
    EXPECT_EQ(clock.status, 0);
    EXPECT_EQ(clock.out.size(), 61u);
}

TEST(CliList, TwentyLinesFromAMapString) {
    const TResult r = RunTool({"list", "--map", Map12345});
    EXPECT_EQ(r.status, 0);
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
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
    // Elm Grove has no clearing 6: not even a route to itself.
    EXPECT_EQ(RunTool({"route", "--map", Map12345, "8", "6", "8", "6"}).out,
              "Clearings not connected!\n");
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
        {"stats"},
        {"stats", "--seeds", "5"},
        {"stats", "--seeds", "9..3"},
        {"stats", "--seeds", "0..4294967296"},
        {"stats", "--seeds", "0..1", "--threads", "0"},
        {"stats", "--seeds", "0..1", "--csv", "/no/such/folder/stats.csv"},
    };
    for (const auto& args : cases) {
        const TResult r = RunTool(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(r.err.rfind("tavrin-cli: ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "more than one line: " << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(RunTool({"list", "--map", badRotation}).err, "tavrin-cli: Range check error\n");
}

// A line of the wrong length is shown as the window shows it, every byte of
// its first 100 (NUL too) and "..." when it goes on; the status is 2.
TEST(CliErrors, RefusedLineIsShownWhole) {
    char pattern[] = "/tmp/tavrin-cli-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::string line = std::string("ab\0cd", 5) + std::string(100, 'e');
    std::ofstream(dir + "/nul.tvm", std::ios::binary) << line << "\r\n";
    const TResult r = RunTool({"list", "--file", dir + "/nul.tvm"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Internal Error: mapstring not valid=" + line.substr(0, 100) + "...\n");
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(RunTool({"route", "--map", "short", "11", "1", "11", "1"}).err,
              "Internal Error: mapstring not valid=short\n");
    std::system(("rm -rf '" + dir + "'").c_str());
}

namespace {

// The attempts and passes of `generate --seed S --stats`, one seed at a time.
std::pair<int, int> GenerateStats(int seed) {
    const TResult r = RunTool({"generate", "--seed", std::to_string(seed), "--stats"});
    int attempts = 0, passes = 0;
    EXPECT_EQ(std::sscanf(r.err.c_str(), "map 1: %d attempts, %d passes", &attempts, &passes), 2);
    return {attempts, passes};
}

std::string TwoDecimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(CliStats, MeansAreThoseOfGenerateSeedBySeedOnAnyNumberOfThreads) {
    char pattern[] = "/tmp/tavrin-stats-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string csvPath = std::string(pattern) + "/seeds.csv";
    const TResult r = RunTool({"stats", "--seeds", "0..499", "--threads", "3", "--csv", csvPath});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(RunTool({"stats", "--seeds", "0..499", "--threads", "1"}).out, r.out);

    double attempts = 0, passes = 0;
    std::ifstream csv(csvPath);
    std::string row;
    std::getline(csv, row);
    EXPECT_EQ(row, "seed,attempts,passes,columns,rows,reachable,longest");
    for (int seed = 0; seed < 500; ++seed) {
        const auto [a, p] = GenerateStats(seed);
        attempts += a;
        passes += p;
        std::getline(csv, row);
        EXPECT_EQ(row.rfind(std::to_string(seed) + "," + std::to_string(a) + "," +
                                std::to_string(p) + ",",
                            0),
                  0u)
            << row;
    }
    EXPECT_FALSE(std::getline(csv, row));
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 7u) << r.out;
    EXPECT_EQ(lines[0], "maps      500");
    EXPECT_EQ(lines[1].rfind("attempts  mean " + TwoDecimals(attempts / 500) + "  median ", 0), 0u)
        << lines[1];
    EXPECT_EQ(lines[2].rfind("passes    mean " + TwoDecimals(passes / 500) + "  median ", 0), 0u)
        << lines[2];
    for (const char* label : {"columns   ", "rows      ", "reachable ", "longest   "})
        EXPECT_NE(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) { return l.rfind(label, 0) == 0; }),
                  0)
            << label;
    std::system(("rm -rf '" + std::string(pattern) + "'").c_str());
}

// The players' figures of one seed, as list and route show the same map.
TEST(CliStats, FiguresOfOneSeedAgreeWithListAndRoute) {
    const std::string map = RunTool({"generate", "--seed", "12345"}).out.substr(0, 60);
    int minCol = 99, maxCol = -99, minRow = 99, maxRow = -99;
    for (const std::string& line : Lines(RunTool({"list", "--map", map}).out)) {
        int col = 0, row = 0, rotation = 0;
        ASSERT_EQ(std::sscanf(line.substr(line.find(": ") + 2).c_str(), "%d/%d/%d", &col, &row,
                              &rotation),
                  3);
        minCol = std::min(minCol, col);
        maxCol = std::max(maxCol, col);
        minRow = std::min(minRow, row);
        maxRow = std::max(maxRow, row);
    }
    int reachable = 0;
    std::size_t longest = 0;
    for (int tile = 1; tile <= 20; ++tile)
        for (int clearing = 1; clearing <= 6; ++clearing) {
            const auto lines = Lines(RunTool({"route", "--map", map, "11", "1",
                                              std::to_string(tile), std::to_string(clearing)})
                                         .out);
            if (lines.front() == "Clearings not connected!")
                continue;
            ++reachable;
            longest = std::max(longest, lines.size());
        }
    char pattern[] = "/tmp/tavrin-stats-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string csvPath = std::string(pattern) + "/one.csv";
    ASSERT_EQ(RunTool({"stats", "--seeds", "12345..12345", "--csv", csvPath}).status, 0);
    std::ifstream csv(csvPath);
    std::string header, row;
    std::getline(csv, header);
    std::getline(csv, row);
    EXPECT_EQ(row, "12345,8,7," + std::to_string(maxCol - minCol + 1) + "," +
                       std::to_string(maxRow - minRow + 1) + "," + std::to_string(reachable) + "," +
                       std::to_string(longest));
    std::system(("rm -rf '" + std::string(pattern) + "'").c_str());
}

TEST(CliFiles, GenerateSavesMapFilesThatListAndRouteRead) {
    char pattern[] = "/tmp/tavrin-cli-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const TResult one = RunTool({"generate", "--seed", "12345", "--save", dir + "/one.tvm"});
    ASSERT_EQ(one.status, 0) << one.err;
    std::ifstream in(dir + "/one.tvm", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, Map12345 + "\r\n");

    const TResult three =
        RunTool({"generate", "--seed", "12345", "--count", "3", "--save", dir + "/m.tvm"});
    ASSERT_EQ(three.status, 0) << three.err;
    for (const char* name : {"/m1.tvm", "/m2.tvm", "/m3.tvm"})
        EXPECT_TRUE(std::ifstream(dir + name).good()) << name;

    EXPECT_EQ(RunTool({"list", "--file", dir + "/m1.tvm"}).out,
              RunTool({"list", "--map", Map12345}).out);
    EXPECT_EQ(RunTool({"route", "--file", dir + "/one.tvm", "11", "1", "11", "6"}).out,
              "MarchLand 1\nMarchLand 6\n");

    const TResult missing = RunTool({"list", "--file", dir + "/none.tvm"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "tavrin-cli: " + dir + "/none.tvm: File not found\n");
    EXPECT_EQ(RunTool({"list", "--file", dir + "/one.tvm", "--map", Map12345}).status, 2);
    std::system(("rm -rf '" + dir + "'").c_str());
}

// A generated map rendered with the built tile bitmaps: the picture has the
// size of the map's layout box, and no pixel of the key colour is left
// anywhere (inside the hexes the tiles cover it, outside it stays white).
TEST(CliRender, GeneratedMapHasNoKeyColourLeft) {
    char pattern[] = "/tmp/tavrin-render-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    for (const char* name : {"/map.png", "/map.bmp"}) {
        const TResult r =
            RunTool({"render", "--map", Map12345, "--out", dir + name, "--tiles", TILE_DIR});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
    // Both formats hold the same picture, so one of them is looked at.
    const QImage image = ReadImage(dir + "/map.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image == ReadImage(dir + "/map.png"));
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
        RunTool({"render", "--map", Map12345, "--out", dir + "/bare.bmp", "--tiles", dir});
    EXPECT_EQ(bare.status, 0);
    EXPECT_EQ(bare.err.rfind("File not found: " + dir + "/AshenHollow", 0), 0u) << bare.err;
    EXPECT_EQ(RunTool({"render", "--map", Map12345}).status, 2);
    std::system(("rm -rf '" + dir + "'").c_str());
}

// Every format render writes starts as its kind of file does; any other
// extension is refused with one line naming the formats.
TEST(CliRender, FormatFollowsExtension) {
    char pattern[] = "/tmp/tavrin-render-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const std::vector<std::pair<std::string, std::string>> formats = {
        {"/map.bmp", "BM"},           {"/map.png", "\x89PNG"},
        {"/map.jpg", "\xff\xd8\xff"}, {"/MAP.JPEG", "\xff\xd8\xff"},
        {"/map.svg", "<?xml"},        {"/map.pdf", "%PDF-1."}};
    for (const auto& [name, magic] : formats) {
        const TResult r =
            RunTool({"render", "--map", Map12345, "--out", dir + name, "--tiles", TILE_DIR});
        ASSERT_EQ(r.status, 0) << name << r.err;
        EXPECT_EQ(ReadFile(dir + name).substr(0, magic.size()), magic) << name;
    }
    const TResult gif = RunTool({"render", "--map", Map12345, "--out", dir + "/map.gif"});
    EXPECT_EQ(gif.status, 2);
    EXPECT_EQ(gif.err.substr(0, gif.err.find('\n')),
              "tavrin-cli: --out must name a .bmp, .png, .jpg, .svg or .pdf file");
    std::system(("rm -rf '" + dir + "'").c_str());
}

// The sheet as a PDF: one whole page, A4 turned to suit the map; the words on
// it are checked where the sheet is painted. Only .pdf is taken.
TEST(CliSheet, WritesOnePagePdf) {
    char pattern[] = "/tmp/tavrin-sheet-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const TResult r =
        RunTool({"sheet", "--map", Map12345, "--out", dir + "/sheet.pdf", "--tiles", TILE_DIR});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const std::string bytes = ReadFile(dir + "/sheet.pdf");
    const TPdfStructure pdf = PdfStructure(QByteArray::fromStdString(bytes));
    EXPECT_TRUE(pdf.Whole);
    ASSERT_EQ(pdf.PageSizes.size(), 1);
    EXPECT_EQ(std::min(pdf.PageSizes[0].width(), pdf.PageSizes[0].height()), 595);

    for (const std::string& out : {dir + "/sheet.png", dir + "/sheet"}) {
        const TResult wrong = RunTool({"sheet", "--map", Map12345, "--out", out});
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err.substr(0, wrong.err.find('\n')),
                  "tavrin-cli: --out must name a .pdf file");
    }
    EXPECT_EQ(RunTool({"sheet", "--map", Map12345}).status, 2);
    const TResult missing = RunTool(
        {"sheet", "--map", Map12345, "--out", dir + "/none/sheet.pdf", "--tiles", TILE_DIR});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "tavrin-cli: " + dir + "/none/sheet.pdf: File not found\n");
    std::system(("rm -rf '" + dir + "'").c_str());
}

// The real program, as a shell runs it: a failure is one line on stderr that
// names the file, with no line of Qt's own (a codec's warning about a hostile
// tile, a PNG library's complaint about a full disk).
TEST(CliRender, FailuresAreOneLineNamingTheFile) {
    char pattern[] = "/tmp/tavrin-render-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::string dir = pattern;
    const auto run = [](const std::string& arguments) {
        const std::string command = TILE_DIR "/tavrin-cli " + arguments + " 2>&1 >/dev/null";
        std::string err;
        FILE* pipe = ::popen(command.c_str(), "r");
        for (int c; (c = std::fgetc(pipe)) != EOF;)
            err += static_cast<char>(c);
        ::pclose(pipe);
        return err;
    };
    ASSERT_EQ(::symlink("/dev/full", (dir + "/full.png").c_str()), 0);
    EXPECT_EQ(run("render --map " + Map12345 + " --out " + dir + "/full.png --tiles " TILE_DIR),
              "tavrin-cli: " + dir + "/full.png: Disk full\n");

    // Tile 1's bitmap declares pixels past its end (Qt warns, then decodes
    // black), tile 2's is not a bitmap: the drawing stops there.
    const auto tileFile = [&](const std::string& token, int tile) {
        return dir + "/" + token + std::to_string(Map12345[3 * tile - 1] - 100) + ".bmp";
    };
    std::system(
        ("cp " TILE_CORPUS_DIR "/pixels_past_the_end.bmp '" + tileFile("AshenHollow", 1) + "'")
            .c_str());
    const std::string sour = tileFile("SourHollow", 2);
    std::ofstream(sour) << "not a bitmap";
    EXPECT_EQ(run("render --map " + Map12345 + " --out " + dir + "/map.bmp --tiles " + dir),
              "tavrin-cli: " + sour + ": Bitmap image is not valid\n");
    std::system(("rm -rf '" + dir + "'").c_str());
}
