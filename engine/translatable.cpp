#include "translatable.h"

namespace tavrin {

std::string FillText(std::string_view source, std::initializer_list<std::string_view> args) {
    std::string text;
    text.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (source[i] == '%' && next >= '1' && next <= '9' && number <= args.size()) {
            text += *(args.begin() + (number - 1));
            ++i;
        } else {
            text += source[i];
        }
    }
    return text;
}

} // namespace tavrin
