#include "colour_vision.h"

#include <algorithm>
#include <cmath>

namespace tavrin {
namespace {

using TMatrix = std::array<std::array<double, 3>, 3>;

// Machado et al. 2009, severity 1.0, on linear RGB.
// clang-format off
constexpr TMatrix Protan{{{ 0.152286, 1.052583, -0.204868},
                          { 0.114503, 0.786281,  0.099216},
                          {-0.003882,-0.048116,  1.051998}}};
constexpr TMatrix Deutan{{{ 0.367322, 0.860646, -0.227968},
                          { 0.280085, 0.672501,  0.047413},
                          {-0.011820, 0.042940,  0.968881}}};
constexpr TMatrix Tritan{{{ 1.255528,-0.076749, -0.178779},
                          {-0.078411, 0.930809,  0.147602},
                          { 0.004733, 0.691367,  0.303900}}};
// clang-format on

using TLinear = std::array<double, 3>;

double ToLinear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t FromLinear(double c) {
    c = std::clamp(c, 0.0, 1.0);
    const double s = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(s * 255));
}

double Luminance(const TLinear& c) {
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

// The linear colour as `vision` sees it, clamped to the displayable range.
TLinear Simulated(TRgb colour, TVision vision) {
    const TLinear c{ToLinear(colour.R), ToLinear(colour.G), ToLinear(colour.B)};
    const TMatrix* m = nullptr;
    switch (vision) {
    case TVision::Normal:
        return c;
    case TVision::Greyscale: {
        const double y = Luminance(c);
        return {y, y, y};
    }
    case TVision::Protanopia:
        m = &Protan;
        break;
    case TVision::Deuteranopia:
        m = &Deutan;
        break;
    case TVision::Tritanopia:
        m = &Tritan;
        break;
    }
    TLinear out{};
    for (std::size_t i = 0; i < 3; ++i)
        out[i] = std::clamp((*m)[i][0] * c[0] + (*m)[i][1] * c[1] + (*m)[i][2] * c[2], 0.0, 1.0);
    return out;
}

double LabF(double t) {
    return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16) / 116;
}

} // namespace

TLab SeenAs(TRgb colour, TVision vision) {
    const TLinear c = Simulated(colour, vision);
    const double x = 0.4124564 * c[0] + 0.3575761 * c[1] + 0.1804375 * c[2];
    const double y = 0.2126729 * c[0] + 0.7151522 * c[1] + 0.0721750 * c[2];
    const double z = 0.0193339 * c[0] + 0.1191920 * c[1] + 0.9503041 * c[2];
    const double fx = LabF(x / 0.95047);
    const double fy = LabF(y);
    const double fz = LabF(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

TRgb SimulatedRgb(TRgb colour, TVision vision) {
    const TLinear c = Simulated(colour, vision);
    return {FromLinear(c[0]), FromLinear(c[1]), FromLinear(c[2])};
}

double LabDistance(const TLab& a, const TLab& b) {
    return std::hypot(a.L - b.L, a.A - b.A, a.B - b.B);
}

} // namespace tavrin
