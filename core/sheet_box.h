#pragma once
// A box on a sheet's page or on the map picture: left, top, width, height.
// Plain arithmetic, so that the sheet's plan is checked without painting.

#include <algorithm>

namespace tavrin {

struct TBox {
    double X = 0;
    double Y = 0;
    double W = 0;
    double H = 0;

    double Right() const { return X + W; }
    double Bottom() const { return Y + H; }
    bool Empty() const { return W <= 0 || H <= 0; }

    // True when the two boxes share more than an edge.
    bool Overlaps(const TBox& other) const {
        return !Empty() && !other.Empty() && X < other.Right() && other.X < Right() &&
               Y < other.Bottom() && other.Y < Bottom();
    }
    // True when `other` lies inside, allowing for rounding.
    bool Holds(const TBox& other) const {
        constexpr double slack = 1e-6;
        return other.X >= X - slack && other.Y >= Y - slack && other.Right() <= Right() + slack &&
               other.Bottom() <= Bottom() + slack;
    }
    TBox Intersected(const TBox& other) const {
        const double left = std::max(X, other.X);
        const double top = std::max(Y, other.Y);
        return {left, top, std::max(0.0, std::min(Right(), other.Right()) - left),
                std::max(0.0, std::min(Bottom(), other.Bottom()) - top)};
    }
    TBox United(const TBox& other) const {
        if (Empty())
            return other;
        const double left = std::min(X, other.X);
        const double top = std::min(Y, other.Y);
        return {left, top, std::max(Right(), other.Right()) - left,
                std::max(Bottom(), other.Bottom()) - top};
    }
    double Area() const { return Empty() ? 0 : W * H; }
};

} // namespace tavrin
