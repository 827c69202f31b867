#include "map_search.h"

#include "acceptance.h"
#include "translatable.h"

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
        return FillText(TAVRIN_TEXT("Core", "No map of %1 meets these criteria."),
                        {std::to_string(result.Maps)});
    case TMapSearchEnd::Cancelled:
        return FillText(TAVRIN_TEXT("Core", "Stopped after %1 maps."),
                        {std::to_string(result.Maps)});
    }
    return {};
}

} // namespace tavrin
