#pragma once
// Answers for the page as JSON text: one string crosses into JavaScript per
// command, which reads it with JSON.parse. Far cheaper than building the
// answer property by property across the boundary.

#include <cstdio>
#include <string>
#include <string_view>

namespace tavrin::web {

class TJsonText {
public:
    // Text in UTF-8, written as it is but for what JSON must escape.
    TJsonText& Text(std::string_view text) { return Quoted(text, false); }
    // Bytes that each stand for one character (a map string, Latin-1).
    TJsonText& Bytes(std::string_view bytes) { return Quoted(bytes, true); }
    TJsonText& Number(double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        Out += buffer;
        return *this;
    }
    TJsonText& Bool(bool value) {
        Out += value ? "true" : "false";
        return *this;
    }
    TJsonText& Null() {
        Out += "null";
        return *this;
    }
    // Punctuation and keys: `Raw("{\"x\":")`.
    TJsonText& Raw(std::string_view text) {
        Out += text;
        return *this;
    }
    TJsonText& Key(std::string_view key) {
        if (!Out.empty() && Out.back() != '{' && Out.back() != '[')
            Out += ',';
        Quoted(key, false);
        Out += ':';
        return *this;
    }
    // A comma before the next element of an array, unless it is the first.
    TJsonText& Next() {
        if (!Out.empty() && Out.back() != '[')
            Out += ',';
        return *this;
    }
    std::string Take() { return std::move(Out); }

private:
    TJsonText& Quoted(std::string_view text, bool bytes) {
        Out += '"';
        for (const char c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                Out += '\\';
                Out += c;
            } else if (u < 0x20 || u == 0x7F || (bytes && u >= 0x80)) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
                Out += buffer;
            } else {
                Out += c;
            }
        }
        Out += '"';
        return *this;
    }

    std::string Out;
};

} // namespace tavrin::web
