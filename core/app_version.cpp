#include "app_version.h"

namespace tavrin {

std::string_view AppVersion() {
    return TAVRIN_VERSION_TEXT;
}

} // namespace tavrin
