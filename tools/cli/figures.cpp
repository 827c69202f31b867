#include "figures.h"

#include "map_texts.h"
#include "route_search.h"
#include "session.h"

#include <ostream>

namespace tavrin::cli {

std::optional<TCriteria> WhereOption(const TArguments& args) {
    const auto where = args.Option("--where");
    if (!where)
        return std::nullopt;
    return ParseCriteria(*where);
}

namespace {

void PrintText(std::ostream& out, const TMapFigures& figures) {
    for (const TFigureInfo& info : tavrin::Figures) {
        const std::string name(info.Name);
        out << name << std::string(13 - name.size(), ' ') << FigureValueText(figures, info.Figure)
            << '\n';
    }
    out << "cut off      ";
    const auto cutOff = figures.CutOffList();
    for (std::size_t i = 0; i < cutOff.size(); ++i)
        out << (i == 0 ? "" : ", ") << LocationText(cutOff[i]);
    out << (cutOff.empty() ? "none\n" : "\n");
}

void PrintJson(std::ostream& out, const TMapFigures& figures) {
    out << '{';
    for (const TFigureInfo& info : tavrin::Figures)
        out << '"' << info.Name << "\": " << FigureValueText(figures, info.Figure) << ", ";
    out << "\"cutoff_clearings\": [";
    const auto cutOff = figures.CutOffList();
    for (std::size_t i = 0; i < cutOff.size(); ++i)
        out << (i == 0 ? "" : ", ") << "{\"tile\": " << int{cutOff[i].Tile}
            << ", \"clearing\": " << int{cutOff[i].Clearing} << '}';
    out << "]}\n";
}

} // namespace

int Figures(const TArguments& args, std::ostream& out, std::ostream& err, TMapLoader loadMap) {
    if (!args.Positional().empty())
        throw ETavrinError(TakesNoWord("figures", args));
    TSession session(err);
    if (!loadMap(session, args))
        return RefusedMapStatus;
    const TMapFigures figures = MeasureMap(*session.state);
    if (args.Flag("--json"))
        PrintJson(out, figures);
    else
        PrintText(out, figures);
    return 0;
}

} // namespace tavrin::cli
