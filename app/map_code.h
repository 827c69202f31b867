#pragma once
// The classic map code on the clipboard: the 60-character map string as
// plain text, one character per byte (Latin-1), so that it reads back byte
// for byte.

#include <QString>
#include <string_view>

// The clipboard text for a map string.
QString MapCodeText(std::string_view mapString);
