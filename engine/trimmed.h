#pragma once

#include <string_view>

namespace tavrin {

// TEXT without the BLANKS at either end: how every reader of typed text
// (map codes, wishes, links, pins) takes a word apart from its spacing.
constexpr std::string_view Trimmed(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return text.substr(text.size());
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace tavrin
