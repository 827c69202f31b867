#pragma once
// Translating a text the engine or the core made, where it is shown. A door
// hands over the finished English text, as the core's functions and errors
// give it, with its language's lookup of the context "Core". A text that is
// a template filled with numbers or names ("Stopped after %1 maps.") is
// recognised among the templates of the catalogue, its translation filled
// with the same values, each value itself translated when it is a text of
// the catalogue (a reason inside a refusal). A text no entry knows, or one
// whose translation is missing, is shown in English: a missing or broken
// catalogue never stops a door.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tavrin {

// The translation of `source`, or empty when the catalogue has none.
using TTextLookup = std::function<std::string(std::string_view source)>;

// `english` in the lookup's language; `templates` are the catalogue's
// sources of the context "Core" that hold %1..%9.
std::string TranslateText(std::string_view english, std::span<const std::string_view> templates,
                          const TTextLookup& lookup);

} // namespace tavrin
