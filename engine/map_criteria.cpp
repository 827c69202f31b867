#include "map_criteria.h"

#include "translatable.h"
#include "trimmed.h"

#include <array>
#include <charconv>

namespace tavrin {
namespace {

struct TComparisonText {
    TComparison Comparison;
    std::string_view Text;
};

// Two-character comparisons first, so ">=" is not read as ">".
constexpr std::array<TComparisonText, 5> Comparisons{{
    {TComparison::AtLeast, ">="},
    {TComparison::AtMost, "<="},
    {TComparison::Equal, "="},
    {TComparison::Below, "<"},
    {TComparison::Above, ">"},
}};

// The blanks a wish may have around its words.
constexpr std::string_view WishBlanks = " \t";

std::string FigureNameList() {
    std::string names;
    for (const TFigureInfo& info : Figures)
        names += (names.empty() ? "" : ", ") + std::string(info.Name);
    return names;
}

// Typed text as a message shows it: one short line whatever was typed.
std::string Shown(std::string_view text, std::size_t limit) {
    std::string shown(text.substr(0, limit));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 32 || c == 127)
            c = '?';
    return text.size() > limit ? shown + "..." : shown;
}

[[noreturn]] void Refuse(std::string_view criterion, const std::string& why) {
    throw ECriteriaError(
        FillText(TAVRIN_TEXT("Core", "bad criterion '%1': %2"), {Shown(criterion, 40), why}));
}

// Digits with an optional fraction: "95", "9.5". No sign, no exponent.
bool ReadNumber(std::string_view text, double& value) {
    if (text.empty() || text.size() > 12)
        return false;
    bool digits = false, point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digits || text.front() == '.' || text.back() == '.')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

TCriterion ParseCriterion(std::string_view criterion) {
    std::size_t at = 0;
    while (at < criterion.size() && criterion[at] != '<' && criterion[at] != '>' &&
           criterion[at] != '=')
        ++at;
    const std::string_view name = Trimmed(criterion.substr(0, at), WishBlanks);
    const TFigureInfo* info = nullptr;
    for (const TFigureInfo& candidate : Figures)
        if (candidate.Name == name)
            info = &candidate;
    if (info == nullptr)
        Refuse(criterion,
               name.empty()
                   ? FillText(TAVRIN_TEXT("Core", "it names no figure (%1)"), {FigureNameList()})
                   : FillText(TAVRIN_TEXT("Core", "no figure is called '%1' (%2)"),
                              {Shown(name, 20), FigureNameList()}));
    if (at == criterion.size())
        Refuse(criterion,
               TAVRIN_TEXT("Core", "it needs a comparison (>=, <=, =, <, >) and a number"));
    const std::string_view rest = criterion.substr(at);
    for (const TComparisonText& comparison : Comparisons) {
        if (!rest.starts_with(comparison.Text))
            continue;
        const std::string_view number = Trimmed(rest.substr(comparison.Text.size()), WishBlanks);
        double value = 0;
        if (!ReadNumber(number, value))
            Refuse(criterion,
                   FillText(TAVRIN_TEXT("Core", "'%1' is not a number"), {Shown(number, 20)}));
        return {info->Figure, comparison.Comparison, value};
    }
    Refuse(criterion, TAVRIN_TEXT("Core", "it needs a comparison (>=, <=, =, <, >) and a number"));
}

} // namespace

bool Holds(const TCriterion& criterion, double value) {
    switch (criterion.Comparison) {
    case TComparison::AtLeast:
        return value >= criterion.Value;
    case TComparison::AtMost:
        return value <= criterion.Value;
    case TComparison::Equal:
        return value == criterion.Value;
    case TComparison::Below:
        return value < criterion.Value;
    case TComparison::Above:
        return value > criterion.Value;
    }
    return false;
}

bool TCriteria::Meets(const TMapFigures& figures) const {
    for (const TCriterion& criterion : Items)
        if (!Holds(criterion, FigureValue(figures, criterion.Figure)))
            return false;
    return true;
}

std::int64_t OneMapIn(std::int64_t meeting, std::int64_t sampled) {
    return meeting <= 0 ? 0 : (sampled + meeting / 2) / meeting;
}

std::string MeetingEstimateText(std::int64_t meeting, std::int64_t sampled) {
    if (meeting <= 0)
        return FillText(TAVRIN_TEXT("Core", "no map of %1 sampled meets these"),
                        {std::to_string(sampled)});
    return FillText(TAVRIN_TEXT("Core", "about 1 map in %1 meets these"),
                    {std::to_string(OneMapIn(meeting, sampled))});
}

TCriteria ParseCriteria(std::string_view text) {
    TCriteria criteria;
    if (Trimmed(text, WishBlanks).empty())
        return criteria;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view criterion = Trimmed(text.substr(0, comma), WishBlanks);
        if (criterion.empty())
            throw ECriteriaError(
                TAVRIN_TEXT("Core", "bad criteria: an empty criterion between commas"));
        criteria.Items.push_back(ParseCriterion(criterion));
        if (comma == std::string_view::npos)
            return criteria;
        text.remove_prefix(comma + 1);
    }
}

std::string CriteriaText(const TCriteria& criteria) {
    std::string text;
    for (const TCriterion& criterion : criteria.Items) {
        if (!text.empty())
            text += ',';
        text += InfoOf(criterion.Figure).Name;
        text += Comparisons[static_cast<std::size_t>(criterion.Comparison)].Text;
        // The shortest fixed notation that reads back as the same value: never
        // longer than the number it was read from.
        char number[400];
        const auto written = std::to_chars(number, number + sizeof number, criterion.Value,
                                           std::chars_format::fixed);
        text.append(number, written.ptr);
    }
    return text;
}

} // namespace tavrin
