#include "layout_check.h"

namespace tavrin {

std::vector<TLayoutFinding> CheckLayout(const TMapState&) {
    return {};
}

} // namespace tavrin
