#include "map_link.h"

#include "share_code.h"
#include "trimmed.h"

#include <algorithm>

namespace tavrin {
namespace {

// The blanks a pasted address may carry around it.
constexpr std::string_view AddressBlanks = " \t\n\r";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

std::string_view DefaultWebAddress() {
    return TAVRIN_WEB_ADDRESS_TEXT;
}

std::string WebAddress(std::string_view address) {
    address = Trimmed(address, AddressBlanks);
    if (address.empty())
        return {};
    std::string text;
    const auto scheme = address.find("://");
    if (scheme == std::string_view::npos)
        text = "https://" + std::string(address);
    else if (StartsWithNoCase(address, "https://") || StartsWithNoCase(address, "http://"))
        text = address;
    else
        throw EWebAddress();
    if (const auto hash = text.find('#'); hash != std::string::npos)
        text.erase(hash);
    for (const char c : text)
        if (static_cast<unsigned char>(c) <= ' ' || c == 127)
            throw EWebAddress();
    // The host: a name or a number, and perhaps a port.
    const std::size_t host = text.find("://") + 3;
    const std::size_t path = text.find_first_of("/?", host);
    const std::string_view name = std::string_view(text).substr(host, path - host);
    const std::size_t colon = name.find(':');
    const auto all = [](std::string_view part, auto allowed) {
        return std::all_of(part.begin(), part.end(), allowed);
    };
    const auto nameChar = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-';
    };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || colon == 0 || !all(name.substr(0, colon), nameChar) ||
        (colon != std::string_view::npos && !all(name.substr(colon + 1), digit)))
        throw EWebAddress();
    if (path == std::string::npos)
        text += '/';
    return text;
}

std::string MapLink(std::string_view mapString, std::string_view address, std::uint32_t pins) {
    const std::string page = WebAddress(address);
    if (page.empty())
        return ShareLink(mapString, pins);
    return page + "#" + ShareCode(mapString, pins);
}

} // namespace tavrin
