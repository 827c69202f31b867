// The page's door to the core's texts in the reader's language: the page
// hands over its catalogue's "Core" texts once ({source: translation}, as
// translations/<language>.json holds them), and every text of the engine
// and the core it shows goes through coreText, translated as the window and
// tavrin-cli translate them (text_translation.h).

#include "text_translation.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct TCoreTexts {
    std::map<std::string, std::string, std::less<>> Translations;
    std::vector<std::string_view> Templates; // into Translations' keys
};

TCoreTexts& Texts() {
    static TCoreTexts texts;
    return texts;
}

bool IsTemplate(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            return true;
    return false;
}

// Anything but an object of strings leaves the page in English.
void UseCoreTexts(emscripten::val catalogue) {
    TCoreTexts& texts = Texts();
    texts = {};
    if (catalogue.isNull() || catalogue.typeOf().as<std::string>() != "object")
        return;
    const emscripten::val sources =
        emscripten::val::global("Object").call<emscripten::val>("keys", catalogue);
    const auto count = sources["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const emscripten::val translation = catalogue[sources[i]];
        if (translation.isString())
            texts.Translations.emplace(sources[i].as<std::string>(), translation.as<std::string>());
    }
    for (const auto& [source, translation] : texts.Translations)
        if (IsTemplate(source))
            texts.Templates.push_back(source);
}

std::string CoreText(const std::string& english) {
    const TCoreTexts& texts = Texts();
    if (texts.Translations.empty())
        return english;
    return tavrin::TranslateText(english, texts.Templates, [&texts](std::string_view source) {
        const auto found = texts.Translations.find(source);
        return found == texts.Translations.end() ? std::string() : found->second;
    });
}

} // namespace

EMSCRIPTEN_BINDINGS(tavrin_core_texts) {
    emscripten::function("useCoreTexts", &UseCoreTexts);
    emscripten::function("coreText", &CoreText);
}
