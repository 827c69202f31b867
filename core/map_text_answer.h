#pragma once
// Opening a map from text a user gives (the window's clipboard, the page's
// address or its box, the --map of tavrin-cli): how the text becomes the
// bytes the map code finder reads, and what each source answers when the
// text holds no map. One table, so that the same text gets the same answer
// at every door, in words that fit where it came from.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

enum class TTextSource {
    Clipboard, // the window's Paste Map Code
    TypedText, // the page's box, where a code is typed or pasted
    Address,   // the page's address, after its "#"
    Argument,  // tavrin-cli's --map, and the window's start argument
};

// How an attempt to open a map from text ended.
enum class TOpenEnd {
    Opened,    // the map is shown
    NoAddress, // an address that asks for nothing: the door shows what it would anyway
    NoMapCode, // no map in the text; the answer names the source
    Refused,   // a code with a mistake, or a map the engine refused
};

struct TOpenAnswer {
    TOpenEnd End = TOpenEnd::Opened;
    // What to show, as one message; empty when the engine has already
    // spoken through its message sink, or when nothing is to be said.
    std::string Text;
    // The tiles the opened code pinned (bit t for tile t), for the editor
    // to keep on a re-roll; 0 for a code without pins and every other form.
    std::uint32_t Pins = 0;
};

// The bytes the finder reads for a text of characters: one byte per
// character when every character fits a byte (Latin-1), so that a classic
// map code of any bytes reads back as it was copied; UTF-8 otherwise, where
// a code among other words is still found.
std::string TextBytes(std::u32string_view text);

// The answer to a text from `source` that holds no map code.
std::string_view NoMapCodeText(TTextSource source);

} // namespace tavrin
