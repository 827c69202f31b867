#pragma once
// Texts people read are written here once, in English, and translated where
// they are shown: the window and tavrin-cli through Qt's translations, the
// web page through its catalogue, both made from translations/*.ts.
//
// TAVRIN_TEXT marks a text for lupdate, which is told to read it as Qt's
// QT_TRANSLATE_NOOP, and leaves it as it is: the engine stays free of Qt.
// Every text made in plain C++ (the engine, the core, the file layer and
// tavrin-cli's refusals) is in the context "Core", which every door
// translates the texts it is handed by (text_translation.h). A text with
// numbers or names in it is a template with %1..%9, filled by FillText, so
// that a translation can put them where its language wants them.

#include <initializer_list>
#include <string>
#include <string_view>

#define TAVRIN_TEXT(context, source) source

namespace tavrin {

// `source` with each %1..%9 replaced by the argument of that number, in one
// pass: an argument that itself holds "%2" is kept as it is. A % before
// anything else, or before a number with no argument, stays.
std::string FillText(std::string_view source, std::initializer_list<std::string_view> args);

} // namespace tavrin
