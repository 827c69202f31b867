#pragma once
// The link that opens a map: the web page's address with the share code
// after "#" when the program knows where its page is served, otherwise the
// "tavrin:" link that the installed program opens. Copy Link, the Share Map
// dialog's QR code and the set-up sheet's QR code all take it from here.

#include "errors.h"
#include "translatable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

inline constexpr const char* WebAddressText =
    TAVRIN_TEXT("Core", "The web address must be an http:// or https:// address without spaces");

// Where the web page is served, as the build was told
// (-DTAVRIN_WEB_ADDRESS=...); empty when it was not.
std::string_view DefaultWebAddress();

// A web address that cannot be a page's address.
class EWebAddress : public ETavrinError {
public:
    EWebAddress() : ETavrinError(WebAddressText) {}
};

// The page's address as it goes before "#CODE": blanks around it trimmed,
// "https://" put in front when no scheme is given, any fragment dropped and
// a "/" added after a bare host. Empty for an empty address. Raises
// EWebAddress for another scheme, spaces or control characters inside, or
// a host that is not a name or number with perhaps a port.
std::string WebAddress(std::string_view address);

// The link to the map of `mapString`: WebAddress(address) + "#" + its share
// code, or its tavrin: link when `address` is empty. Raises EWebAddress.
// With pins (bit t for tile t), the code carries them.
std::string MapLink(std::string_view mapString, std::string_view address, std::uint32_t pins = 0);

} // namespace tavrin
