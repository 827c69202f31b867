#pragma once
// Criteria a map's figures must meet: the one syntax the window and
// tavrin-cli share, such as "reachable>=95,longest<=18,columns<=6".
//
// A criterion is a figure's name (see Figures in map_figures.h), a
// comparison (>=, <=, =, <, >) and a number (digits, with an optional
// fraction); criteria are separated by commas, blanks around the parts are
// allowed, and an empty text has no criteria (every map meets it). A text
// that breaks the syntax is ECriteriaError with a one-line text naming the
// criterion at fault.

#include "errors.h"
#include "map_figures.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

class ECriteriaError : public ETavrinError {
public:
    using ETavrinError::ETavrinError;
};

enum class TComparison : std::uint8_t { AtLeast, AtMost, Equal, Below, Above };

struct TCriterion {
    TFigure Figure;
    TComparison Comparison;
    double Value;
    friend bool operator==(const TCriterion&, const TCriterion&) = default;
};

struct TCriteria {
    std::vector<TCriterion> Items;

    bool Empty() const { return Items.empty(); }
    bool Meets(const TMapFigures& figures) const;
    friend bool operator==(const TCriteria&, const TCriteria&) = default;
};

TCriteria ParseCriteria(std::string_view text);

// The criteria in the syntax ParseCriteria reads ("reachable>=95,rows<=6").
std::string CriteriaText(const TCriteria& criteria);

bool Holds(const TCriterion& criterion, double value);

// "about 1 map in N meets these" for `meeting` maps of `sampled`: N rounded
// to the nearest whole number (0 when no map meets them).
std::int64_t OneMapIn(std::int64_t meeting, std::int64_t sampled);
std::string MeetingEstimateText(std::int64_t meeting, std::int64_t sampled);

} // namespace tavrin
