#pragma once
// The map code on the clipboard: the 60-character map string as plain text,
// one character per byte (Latin-1), so that it reads back byte for byte.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The clipboard text for a map string.
QString MapCodeText(std::string_view mapString);

// The clipboard text without the blanks, tabs and line breaks around it. Only
// these are dropped: other characters that count as space (code 160, for
// one) stand for a column or row and stay.
QString TrimmedMapCode(const QString& text);

// The map line that a trimmed code stands for, one byte per character; none
// when a character has a code above 255, which no map line can hold.
std::optional<std::string> MapCodeLine(const QString& code);

// "Internal Error: mapstring not valid=" and the code, as a wrong length is
// answered: its first 100 characters, then "..." when it goes on.
QString MapCodeNotValidText(const QString& code);
