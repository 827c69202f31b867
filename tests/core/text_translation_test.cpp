#include "text_translation.h"
#include "translatable.h"

#include <gtest/gtest.h>
#include <map>

namespace tavrin {
namespace {

// A small catalogue in the manner of the shipped ones.
const std::map<std::string, std::string, std::less<>> German{
    {"Clearings not connected!", "Lichtungen nicht verbunden!"},
    {"Stopped after %1 maps.", "Nach %1 Karten angehalten."},
    {"bad criterion '%1': %2", "ungültiges Kriterium '%1': %2"},
    {"no figure is called '%1' (%2)", "kein Kennwert heißt '%1' (%2)"},
    {"%1, clearing %2", "Lichtung %2 von %1"},
    {"%1 needs a value", ""}, // in the catalogue, not yet translated
};
const std::vector<std::string_view> Templates{"Stopped after %1 maps.", "bad criterion '%1': %2",
                                              "no figure is called '%1' (%2)", "%1, clearing %2",
                                              "%1 needs a value"};

std::string InGerman(std::string_view english) {
    return TranslateText(english, Templates, [](std::string_view source) {
        const auto found = German.find(source);
        return found == German.end() ? std::string() : found->second;
    });
}

TEST(TextTranslation, TranslatesWholeTextsAndFilledTemplates) {
    const std::pair<std::string, std::string> cases[] = {
        {"Clearings not connected!", "Lichtungen nicht verbunden!"},
        {"Stopped after 250 maps.", "Nach 250 Karten angehalten."},
        // values in the order the translation wants them
        {"March Land: 0/0/3, clearing 2", "Lichtung 2 von March Land: 0/0/3"},
        // a value that is itself a template of the catalogue
        {"bad criterion 'x>1': no figure is called 'x' (reachable, rows)",
         "ungültiges Kriterium 'x>1': kein Kennwert heißt 'x' (reachable, rows)"},
        // a value that holds what looks like a placeholder stays as it is
        {"Stopped after %2 maps.", "Nach %2 Karten angehalten."},
        // unknown, and known but untranslated: English
        {"The clipboard holds no map code", "The clipboard holds no map code"},
        {"--seed needs a value", "--seed needs a value"},
        {"", ""},
    };
    for (const auto& [english, german] : cases)
        EXPECT_EQ(InGerman(english), german) << english;
}

TEST(TextTranslation, VeryLongTextIsShownInEnglish) {
    const std::string english = "Stopped after " + std::string(100000, '9') + " maps.";
    EXPECT_EQ(InGerman(english), english);
}

TEST(FillText, FillsEachPlaceholderOnceAndKeepsOtherPercents) {
    EXPECT_EQ(FillText("%2 of %1, 100%", {"a", "b"}), "b of a, 100%");
    EXPECT_EQ(FillText("%1%3", {"%2", "x"}), "%2%3");
}

} // namespace
} // namespace tavrin
