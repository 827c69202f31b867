#include "cli.h"

#include "acceptance.h"
#include "app_version.h"
#include "arguments.h"
#include "criteria_explanation.h"
#include "errors.h"
#include "executable_folder.h"
#include "figures.h"
#include "file_error.h"
#include "file_read.h"
#include "file_save.h"
#include "layout_check.h"
#include "listing.h"
#include "map_file.h"
#include "map_search.h"
#include "map_state.h"
#include "map_string.h"
#include "pin_list.h"
#include "random.h"
#include "render.h"
#include "session.h"
#include "share.h"
#include "sheet.h"
#include "stats.h"
#include "terminal_text.h"

#include <new>
#include <optional>
#include <ostream>

namespace tavrin::cli {
namespace {

constexpr const char* Usage =
    "usage: tavrin-cli generate [--seed N] [--count K] [--where CRITERIA] [--stats] [--save FILE]\n"
    "                          [--pin TILE:COL/ROW/ROT,...]\n"
    "       tavrin-cli check (--map MAPSTRING | --file FILE)\n"
    "       tavrin-cli list (--map MAPSTRING | --file FILE)\n"
    "       tavrin-cli route (--map MAPSTRING | --file FILE) FROM FROMCLEARING TO TOCLEARING\n"
    "       tavrin-cli render (--map MAPSTRING | --file FILE) --out FILE.(bmp|png|jpg|svg|pdf) "
    "[--tiles art|bitmaps|DIR] [--palette standard|colour-blind] [--cut-off]\n"
    "                [--route FROM FROMCLEARING TO TOCLEARING]\n"
    "       tavrin-cli sheet (--map MAPSTRING | --file FILE) --out FILE.pdf "
    "[--paper A4|Letter|A3] [--tile-size MM] [--tiles art|bitmaps|DIR]\n"
    "                [--palette standard|colour-blind] [--web-address URL]\n"
    "       tavrin-cli figures (--map MAPSTRING | --file FILE) [--json]\n"
    "       tavrin-cli stats --seeds A..B [--threads N] [--csv FILE] [--where CRITERIA]\n"
    "       tavrin-cli share (--map MAPSTRING | --file FILE)\n"
    "       tavrin-cli --help | --version\n"
    "MAPSTRING may also be a share code, a tavrin: link, \"seed N\" or \"N/k\".\n"
    "CRITERIA: comma-separated figure, comparison (>= <= = < >) and number, such as\n"
    "          reachable>=95,longest<=18,columns<=6\n";

// The map of --map, in any form the window's paste reads (a share code, a
// tavrin: link, a map string, "seed N" or "N/k", with words around it or
// not), or the first line of --file, read as Load Map reads it. Either way
// the session core takes it, with every tile placed. False for a map string
// of the wrong length: its message has been shown, every byte of it
// (escaped where it would not show), and the command ends with status
// RefusedMap. Text that holds no map raises the core's answer.
bool LoadMap(TSession& session, const TArguments& args) {
    const auto map = args.Option("--map");
    const auto file = args.Option("--file");
    if (map.has_value() == file.has_value())
        throw ETavrinError("give either --map MAPSTRING or --file FILE");
    if (file)
        return session.core.LoadMapLine(FirstLine(ReadFileHead(*file, MapLineLimit)), *file);
    const TOpenAnswer answer = session.core.OpenText(*map, TTextSource::Argument);
    if (answer.End != TOpenEnd::Opened && !answer.Text.empty())
        throw ETavrinError(answer.Text);
    return answer.End == TOpenEnd::Opened;
}

constexpr int RefusedMap = RefusedMapStatus;

// FILE for one map; for several, FILE with the map's number before its
// extension (maps.tvm: maps1.tvm, maps2.tvm, ...).
std::string NumberedPath(const std::string& path, std::int64_t number, std::int64_t count) {
    if (count == 1)
        return path;
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && dot > 0 && (slash == std::string::npos || dot > slash + 1);
    const std::size_t at = hasExtension ? dot : path.size();
    return path.substr(0, at) + std::to_string(number) + path.substr(at);
}

// Create Map Until for generate --where. A wish no map of the sample meets
// is explained on stderr before the long search goes on: the search's own
// first maps are tried first, so a wish met early costs no sample.
TMapSearchResult SearchExplained(TMapState& state, const TCriteria& where, std::ostream& err,
                                 bool& explained) {
    if (explained)
        return CreateMapUntil(state, where);
    TMapSearch search;
    search.Limit = WishSampleSize;
    TMapSearchResult first = CreateMapUntil(state, where, search);
    if (first.End == TMapSearchEnd::Found)
        return first;
    explained = true;
    const TWishExplanation explanation = ExplainWish(where, SampleMaps(WishSampleSize));
    if (explanation.Meeting == 0)
        for (const std::string& line : ExplanationLines(where, explanation))
            err << line << '\n';
    err.flush();
    search.Limit = MapSearchLimit - first.Maps;
    const TMapSearchResult rest = CreateMapUntil(state, where, search);
    return {rest.End, first.Maps + rest.Maps};
}

// Writes map i of `count` as generate does: its map string, and its file
// with --save.
void PutMap(const TArguments& args, const TMapState& state, std::int64_t i, std::int64_t count,
            std::ostream& out) {
    out << MakeMapString(state) << '\n';
    if (const auto save = args.Option("--save")) {
        out.flush(); // the save may go to the same pipe (/dev/stdout)
        SaveFile(NumberedPath(*save, i, count), MapFileBytes(state));
    }
}

// generate --pin: map i is the completion around the pins with seed N + i - 1
// (the first that meets --where, counting on from there).
int GeneratePinned(const TArguments& args, const std::vector<TPin>& pins, std::ostream& out,
                   std::ostream& err) {
    TSession session(err);
    TMapState& state = *session.state;
    std::uint32_t seed = state.Random.Seed;
    if (const auto seedText = args.Option("--seed"))
        seed = static_cast<std::uint32_t>(ParseNumber(*seedText, 0, 0xffffffffLL, "--seed"));
    const auto countText = args.Option("--count");
    const std::int64_t count = countText ? ParseNumber(*countText, 1, 1000000, "--count") : 1;
    const TCriteria where = WhereOption(args).value_or(TCriteria{});
    if (const auto reason = ImpossibleWish(where))
        throw ETavrinError(*reason);
    for (std::int64_t i = 1; i <= count; ++i) {
        const TPinnedMap found = CompletePinned(state, pins, seed, where);
        if (!found.Found)
            throw ETavrinError(found.Sentence);
        PutMap(args, state, i, count, out);
        if (args.Flag("--stats"))
            err << "map " << i << ": completion seed "
                << seed + static_cast<std::uint32_t>(found.Completions - 1) << '\n';
        seed += static_cast<std::uint32_t>(found.Completions);
    }
    return 0;
}

int Generate(const TArguments& args, std::ostream& out, std::ostream& err) {
    if (!args.Positional().empty())
        throw ETavrinError("generate takes no word '" + args.Positional().front() + "'");
    if (const auto pinText = args.Option("--pin"))
        return GeneratePinned(args, ParsePins(*pinText), out, err);
    TSession session(err);
    TMapState& state = *session.state;
    if (const auto seed = args.Option("--seed"))
        state.Random.Seed =
            static_cast<std::uint32_t>(ParseNumber(*seed, 0, 0xffffffffLL, "--seed"));
    const auto countText = args.Option("--count");
    const std::int64_t count = countText ? ParseNumber(*countText, 1, 1000000, "--count") : 1;
    const std::optional<TCriteria> where = WhereOption(args);
    if (const auto reason = where ? ImpossibleWish(*where) : std::nullopt)
        throw ETavrinError(*reason);
    bool explained = false;
    const std::uint32_t seed = state.Random.Seed;
    std::int64_t made = 0; // maps of the sequence made so far
    for (std::int64_t i = 1; i <= count; ++i) {
        TCreateMapStats stats;
        if (where) {
            const TMapSearchResult found = SearchExplained(state, *where, err, explained);
            made += found.Maps;
            if (found.End != TMapSearchEnd::Found)
                throw ETavrinError(SearchFailureText(found));
        } else {
            stats = CreateMap(state);
            ++made;
        }
        PutMap(args, state, i, count, out);
        if (args.Flag("--stats") && where)
            err << "map " << i << ": seed " << seed << ", map " << made << '\n';
        else if (args.Flag("--stats"))
            err << "map " << i << ": " << stats.Attempts << " attempts, " << stats.Passes
                << " passes\n";
    }
    return 0;
}

int List(const TArguments& args, std::ostream& out, std::ostream& err) {
    if (!args.Positional().empty())
        throw ETavrinError("list takes no word '" + args.Positional().front() + "'");
    TSession session(err);
    if (!LoadMap(session, args))
        return RefusedMap;
    for (const std::string& line : TileListing(*session.state))
        out << line << '\n';
    return 0;
}

// Every finding of the map, one a line; status 1 when there is any.
int Check(const TArguments& args, std::ostream& out, std::ostream& err) {
    if (!args.Positional().empty())
        throw ETavrinError("check takes no word '" + args.Positional().front() + "'");
    TSession session(err);
    if (!LoadMap(session, args))
        return RefusedMap;
    const std::vector<TLayoutFinding> findings = CheckLayout(*session.state);
    for (const TLayoutFinding& finding : findings)
        out << finding.Sentence << '\n';
    return findings.empty() ? 0 : 1;
}

// FROM FROMCLEARING TO TOCLEARING, as route and render --route take them.
TRouteQuery RouteWords(const std::vector<std::string>& words, const std::string& command) {
    if (words.size() != 4)
        throw ETavrinError(command + " needs FROM FROMCLEARING TO TOCLEARING");
    return {{ParseTile(words[0]),
             static_cast<std::uint8_t>(ParseNumber(words[1], 0, 6, "FROMCLEARING"))},
            {ParseTile(words[2]),
             static_cast<std::uint8_t>(ParseNumber(words[3], 0, 6, "TOCLEARING"))}};
}

int Route(const TArguments& args, std::ostream& out, std::ostream& err) {
    const auto [from, to] = RouteWords(args.Positional(), "route");
    TSession session(err);
    if (!LoadMap(session, args))
        return RefusedMap;
    TRoute route;
    FindShortestPath(*session.state, from, to, route);
    for (const std::string& line : RouteLines(route))
        out << line << '\n';
    return 0;
}

int Render(const TArguments& args, std::ostream& err) {
    TRenderMarks marks;
    marks.CutOff = args.Flag("--cut-off");
    marks.Palette = ParsePalette(args.Option("--palette"));
    if (args.Flag("--route"))
        marks.Route = RouteWords(args.Positional(), "render --route");
    else if (!args.Positional().empty())
        throw ETavrinError("render takes no word '" + args.Positional().front() + "'");
    const auto outPath = args.Option("--out");
    if (!outPath)
        throw ETavrinError("--out FILE is required");
    if (!IsPictureName(*outPath))
        throw ETavrinError(PictureNameText);
    TSession session(err);
    if (!LoadMap(session, args))
        return RefusedMap;
    RenderMap(*session.state, ParseTiles(args.Option("--tiles")), *outPath, marks);
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty())
            throw ETavrinError("no command given; tavrin-cli --help lists them");
        const std::string& command = args[0];
        if (command == "generate")
            return Generate(TArguments(args, 1, {"--seed", "--count", "--save", "--where", "--pin"},
                                       {"--stats"}),
                            out, err);
        if (command == "check")
            return Check(TArguments(args, 1, {"--map", "--file"}, {}), out, err);
        if (command == "list")
            return List(TArguments(args, 1, {"--map", "--file"}, {}), out, err);
        if (command == "route")
            return Route(TArguments(args, 1, {"--map", "--file"}, {}), out, err);
        if (command == "stats")
            return Stats(TArguments(args, 1, {"--seeds", "--threads", "--csv", "--where"}, {}), out,
                         err);
        if (command == "figures")
            return Figures(TArguments(args, 1, {"--map", "--file"}, {"--json"}), out, err, LoadMap);
        if (command == "render")
            return Render(TArguments(args, 1, {"--map", "--file", "--out", "--tiles", "--palette"},
                                     {"--route", "--cut-off"}),
                          err);
        if (command == "sheet")
            return Sheet(TArguments(args, 1, SheetOptions(), {}), err, LoadMap);
        if (command == "share")
            return Share(TArguments(args, 1, {"--map", "--file"}, {}), out, err, LoadMap);
        if (command == "--help" || command == "-h" || command == "help") {
            out << Usage;
            return 0;
        }
        if (command == "--version") {
            out << "tavrin-cli " << AppVersion() << '\n';
            return 0;
        }
        throw ETavrinError("unknown command '" + command + "'; tavrin-cli --help lists them");
    } catch (const std::bad_alloc&) {
        err << "tavrin-cli: Out of memory\n";
    } catch (const EFileError& e) {
        err << "tavrin-cli: " << TerminalLine(e.Path()) << ": " << TerminalLine(e.what()) << '\n';
    } catch (const std::exception& e) {
        err << "tavrin-cli: " << TerminalLine(e.what()) << '\n';
    }
    return 2;
}

} // namespace tavrin::cli
