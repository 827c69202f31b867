#include "map_code.h"

#include "map_string.h"

namespace {

bool IsLineSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f';
}

constexpr qsizetype ShownLimit = 100;

} // namespace

QString MapCodeText(std::string_view mapString) {
    return QString::fromLatin1(mapString.data(), static_cast<qsizetype>(mapString.size()));
}

QString TrimmedMapCode(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && IsLineSpace(text[first]))
        ++first;
    while (end > first && IsLineSpace(text[end - 1]))
        --end;
    return text.mid(first, end - first);
}

std::optional<std::string> MapCodeLine(const QString& code) {
    std::string line;
    line.reserve(static_cast<std::size_t>(code.size()));
    for (const QChar c : code) {
        if (c.unicode() > 255)
            return std::nullopt;
        line += static_cast<char>(c.unicode());
    }
    return line;
}

QString MapCodeNotValidText(const QString& code) {
    QString text = QString::fromStdString(tavrin::MapStringNotValidMessage({}));
    text += code.left(ShownLimit);
    if (code.size() > ShownLimit)
        text += QStringLiteral("...");
    return text;
}
