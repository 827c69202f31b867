#include "text_translation.h"

#include "translatable.h"

#include <optional>
#include <vector>

namespace tavrin {
namespace {

// How deep values inside values are translated: a refusal holds a reason,
// which may hold a name; nothing the core makes nests deeper.
constexpr int MaxDepth = 3;
// Matching tries every split of the text among a template's values; a text
// longer than any the core makes (a very long argument quoted in a refusal)
// is shown in English rather than matched at length.
constexpr std::size_t MaxMatchedSize = 2000;

bool IsPlaceholder(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9';
}

// Matches `text` from `at` against `pattern` from `from`, filling `values`
// (by placeholder number) with non-empty pieces; the shortest value that
// lets the rest match is taken.
bool Match(std::string_view pattern, std::size_t from, std::string_view text, std::size_t at,
           std::vector<std::string>& values) {
    while (from < pattern.size() && !IsPlaceholder(pattern, from)) {
        if (at >= text.size() || pattern[from] != text[at])
            return false;
        ++from, ++at;
    }
    if (from == pattern.size())
        return at == text.size();
    const auto number = static_cast<std::size_t>(pattern[from + 1] - '1');
    for (std::size_t end = at + 1; end <= text.size(); ++end) {
        if (values.size() <= number)
            values.resize(number + 1);
        values[number] = std::string(text.substr(at, end - at));
        if (Match(pattern, from + 2, text, end, values))
            return true;
    }
    return false;
}

// The text's characters that are not placeholders: of two templates that
// both match, the one that says more is the right one.
std::size_t Literal(std::string_view pattern) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (IsPlaceholder(pattern, i))
            ++i;
        else
            ++count;
    return count;
}

std::string Translate(std::string_view english, std::span<const std::string_view> templates,
                      const TTextLookup& lookup, int depth) {
    if (std::string found = lookup(english); !found.empty())
        return found;
    if (depth >= MaxDepth || english.size() > MaxMatchedSize)
        return std::string(english);
    std::optional<std::string_view> best;
    std::vector<std::string> bestValues;
    for (const std::string_view pattern : templates) {
        std::vector<std::string> values;
        if ((!best || Literal(pattern) > Literal(*best)) && Match(pattern, 0, english, 0, values))
            best = pattern, bestValues = std::move(values);
    }
    if (!best)
        return std::string(english);
    const std::string translated = lookup(*best);
    if (translated.empty())
        return std::string(english);
    std::vector<std::string> shown;
    for (const std::string& value : bestValues)
        shown.push_back(Translate(value, templates, lookup, depth + 1));
    while (shown.size() < 9)
        shown.emplace_back();
    return FillText(translated, {shown[0], shown[1], shown[2], shown[3], shown[4], shown[5],
                                 shown[6], shown[7], shown[8]});
}

} // namespace

std::string TranslateText(std::string_view english, std::span<const std::string_view> templates,
                          const TTextLookup& lookup) {
    return Translate(english, templates, lookup, 0);
}

} // namespace tavrin
