#pragma once
// The four terrain looks, one per tile kind: a ground colour with a mottled
// texture and a kind of small upright symbol scattered between the roads.
// Kind 0 hollows are dark, mossy ground with grass tufts; kind 1 groves are
// green with round trees; kind 2 is ochre earth with stones; kind 3 is grey
// rock with peaks.

#include "colour_palette.h"
#include "rgb.h"

#include <QPointF>
#include <cstdint>

class QImage;
class QPainter;

namespace tavrin::tileart {

enum class TFeature { GrassTuft, Tree, Stone, Peak };

struct TTerrainStyle {
    TRgb Ground;
    TFeature Feature;
    int FeatureCount; // how many symbols a tile tries to place
};

// The look of tile kind 0..3, its ground in `palette`'s colour; throws
// std::out_of_range for any other kind.
TTerrainStyle StyleForKind(int kind, TPalette palette = TPalette::Standard);

// A well-mixed 32-bit hash: the only source of variation in the artwork, so
// the pictures depend on their inputs alone.
constexpr std::uint32_t MixBits(std::uint32_t v) {
    v ^= v >> 16;
    v *= 0x7FEB352Du;
    v ^= v >> 15;
    v *= 0x846CA68Bu;
    v ^= v >> 16;
    return v;
}

// Fills the whole image with the style's ground, mottled by a texture drawn
// from `seed`.
void PaintGround(QImage& image, const TTerrainStyle& style, std::uint32_t seed);

// Draws one symbol of the given kind upright, centred at `at`; `variation`
// picks its size and shade. Grass on a dark ground is drawn light.
void PaintFeature(QPainter& painter, TFeature feature, QPointF at, std::uint32_t variation,
                  TRgb ground);

// A shade of `ground` that stands out on it: darker, or lighter on a dark
// ground.
TRgb ContrastShade(TRgb ground, int amount);

} // namespace tavrin::tileart
