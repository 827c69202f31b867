// The link that opens a map: the web page's address and the share code when
// the address is known, the tavrin: link otherwise; addresses that cannot be
// a page's are refused.

#include "map_link.h"
#include "share_code.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

const std::string Map(60, 'a');

TEST(MapLink, AddressAndCodeMakeTheLink) {
    const std::string code = ShareCode(Map);
    const std::vector<std::pair<std::string, std::string>> rows{
        {"", ShareLink(Map)},
        {"  ", ShareLink(Map)},
        {"https://example.org/tavrin/", "https://example.org/tavrin/#" + code},
        {"example.org", "https://example.org/#" + code},
        {" HTTP://example.org/maps/index.html#old ", "HTTP://example.org/maps/index.html#" + code},
        {"http://localhost:8000/?x=1", "http://localhost:8000/?x=1#" + code},
    };
    for (const auto& [address, link] : rows)
        EXPECT_EQ(MapLink(Map, address), link) << "'" << address << "'";
}

TEST(MapLink, AddressThatIsNoPagesIsRefused) {
    for (const std::string address :
         {"ftp://example.org/", "javascript:alert(1)//x", "https://", "https:///path",
          "https://exa mple.org/", "example.org/a\tb", "https://example.org/\x7f"})
        EXPECT_THROW(MapLink(Map, address), EWebAddress) << "'" << address << "'";
}

} // namespace
} // namespace tavrin
