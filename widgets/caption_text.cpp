#include "caption_text.h"

#include <QFontMetrics>
#include <cstdint>
#include <numeric>

QString ShortenCaption(const QString& text, int width, const TTextWidth& measure) {
    const QString dots = QStringLiteral("...");
    if (text.isEmpty() || measure(text) <= width) {
        return text;
    }
    for (qsizetype n = text.size() - 2; n > 0; --n) {
        if (text.at(n - 1).isHighSurrogate()) {
            continue;
        }
        const QString candidate = text.left(n) + dots;
        if (measure(candidate) <= width) {
            return candidate;
        }
    }
    return dots;
}

QString ShortenCaption(const QString& text, int width, const QFontMetrics& metrics) {
    return ShortenCaption(text, width,
                          [&metrics](const QString& s) { return metrics.horizontalAdvance(s); });
}

std::vector<bool> KeptCaptionParts(const std::vector<int>& partWidths, int formCaptionWidth,
                                   int width, bool fromLeft) {
    std::vector<bool> kept(partWidths.size(), true);
    std::int64_t total =
        std::accumulate(partWidths.begin(), partWidths.end(), std::int64_t{formCaptionWidth});
    const std::size_t count = partWidths.size();
    for (std::size_t i = 0; i < count && total > width; ++i) {
        const std::size_t drop = fromLeft ? i : count - 1 - i;
        kept[drop] = false;
        total -= partWidths[drop];
    }
    return kept;
}
