#pragma once
// How a colour looks to eyes that see fewer colours, and how far apart two
// colours look. Dichromat vision is simulated with the matrices of Machado,
// Oliveira and Fernandes (2009) at severity 1.0, applied to linear RGB;
// greyscale keeps only the luminance. Distances are CIE76 differences in
// CIELAB (D65), where about 2 is the smallest difference most people notice.

#include "rgb.h"

#include <array>

namespace tavrin {

enum class TVision { Normal, Protanopia, Deuteranopia, Tritanopia, Greyscale };

inline constexpr std::array<TVision, 5> AllVisions{TVision::Normal, TVision::Protanopia,
                                                   TVision::Deuteranopia, TVision::Tritanopia,
                                                   TVision::Greyscale};

struct TLab {
    double L = 0;
    double A = 0;
    double B = 0;
};

// The colour as `vision` sees it, in CIELAB.
TLab SeenAs(TRgb colour, TVision vision);

// The colour as `vision` sees it, back in sRGB (for pictures of the
// simulation).
TRgb SimulatedRgb(TRgb colour, TVision vision);

// The CIE76 difference between two colours in CIELAB.
double LabDistance(const TLab& a, const TLab& b);

} // namespace tavrin
