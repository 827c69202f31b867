#pragma once
// Fitting caption text into the title bar: shortening one text with "..." and
// choosing which caption parts to drop when they do not all fit.

#include <QString>
#include <functional>
#include <vector>

class QFontMetrics;

// Width in pixels of a text as it would be drawn.
using TTextWidth = std::function<int(const QString&)>;

// `text` when it fits `width`; otherwise its first n characters followed by
// "...", for n = length - 2, length - 3, ... down to 0, the first that fits;
// "..." alone when none fits. An empty text stays empty. A cut never splits a
// surrogate pair, so the result is always valid text.
QString ShortenCaption(const QString& text, int width, const TTextWidth& measure);
QString ShortenCaption(const QString& text, int width, const QFontMetrics& metrics);

// Which caption parts stay when the parts (each with the gap that follows it)
// and the form caption must share `width`. Parts are dropped one by one, from
// the left when `fromLeft` is set and from the right (next to the form caption)
// otherwise, until the rest fits; the form caption itself is never dropped.
std::vector<bool> KeptCaptionParts(const std::vector<int>& partWidths, int formCaptionWidth,
                                   int width, bool fromLeft);
