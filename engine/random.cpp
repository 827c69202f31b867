#include "random.h"

#include <chrono>

namespace tavrin {

std::uint32_t ClockSeed() {
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto midnight = floor<days>(now);
    return static_cast<std::uint32_t>((now - midnight).count());
}

} // namespace tavrin
