#include "map_code.h"

QString MapCodeText(std::string_view mapString) {
    return QString::fromLatin1(mapString.data(), static_cast<qsizetype>(mapString.size()));
}
