#include "map_texts.h"

#include "map_state.h"
#include "translatable.h"

#include <cstdio>

namespace tavrin {

std::string FigureValueText(const TMapFigures& figures, TFigure figure) {
    char text[32];
    std::snprintf(text, sizeof text, InfoOf(figure).Whole ? "%.0f" : "%.2f",
                  FigureValue(figures, figure));
    return text;
}

std::string KeyFiguresText(const TMapFigures& figures) {
    return FillText(TAVRIN_TEXT("Core", "%1/%2 reachable, longest %3"),
                    {std::to_string(figures.Reachable), std::to_string(ClearingCount),
                     std::to_string(figures.Longest)});
}

std::string ErrorSentence(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace tavrin
