#include "map_file.h"

#include "map_string.h"

namespace tavrin {
namespace {

constexpr char CR = 13;
constexpr char LF = 10;
constexpr char CtrlZ = 26;

} // namespace

std::string FirstLine(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, MapLineLimit);
    const char ends[] = {CR, CtrlZ};
    return std::string(head.substr(0, head.find_first_of(std::string_view(ends, 2))));
}

std::string MapFileBytes(const TMapState& state) {
    std::string bytes = MakeMapString(state);
    bytes += CR;
    bytes += LF;
    return bytes;
}

} // namespace tavrin
