#include "map_search.h"

#include "acceptance.h"

namespace tavrin {

TMapSearchResult CreateMapUntil(TMapState& state, const TCriteria& criteria,
                                const TMapSearch& search) {
    TMapSearchResult result;
    while (result.Maps < search.Limit) {
        if (result.Maps % MapSearchReportEvery == 0 && result.Maps != 0) {
            if (search.Progress)
                search.Progress(result.Maps);
            if (search.Cancel && search.Cancel->load(std::memory_order_relaxed)) {
                result.End = TMapSearchEnd::Cancelled;
                return result;
            }
        }
        CreateMap(state);
        ++result.Maps;
        if (criteria.Meets(MeasureMap(state)))
            return result;
    }
    result.End = TMapSearchEnd::LimitReached;
    return result;
}

std::string SearchFailureText(const TMapSearchResult& result) {
    switch (result.End) {
    case TMapSearchEnd::Found:
        return {};
    case TMapSearchEnd::LimitReached:
        return "No map of " + std::to_string(result.Maps) + " meets these criteria.";
    case TMapSearchEnd::Cancelled:
        return "Stopped after " + std::to_string(result.Maps) + " maps.";
    }
    return {};
}

} // namespace tavrin
