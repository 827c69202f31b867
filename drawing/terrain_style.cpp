#include "terrain_style.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <stdexcept>

namespace tavrin::tileart {
namespace {

// The grounds come from the palette.
const std::array<TTerrainStyle, 4> Styles{{
    {{}, TFeature::GrassTuft, 26},
    {{}, TFeature::Tree, 16},
    {{}, TFeature::Stone, 16},
    {{}, TFeature::Peak, 14},
}};

int Clamp(int v) {
    return std::clamp(v, 0, 255);
}

// Smooth value noise in -1..1 over a grid of `cell` pixels.
double ValueNoise(int x, int y, int cell, std::uint32_t seed) {
    const int gx = x / cell;
    const int gy = y / cell;
    const double fx = static_cast<double>(x % cell) / cell;
    const double fy = static_cast<double>(y % cell) / cell;
    auto corner = [&](int cx, int cy) {
        const std::uint32_t h = MixBits(seed ^ MixBits(static_cast<std::uint32_t>(cx) * 73856093u ^
                                                       static_cast<std::uint32_t>(cy) * 19349663u));
        return static_cast<double>(h & 0xFFFFu) / 32767.5 - 1.0;
    };
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = corner(gx, gy) + (corner(gx + 1, gy) - corner(gx, gy)) * sx;
    const double bottom = corner(gx, gy + 1) + (corner(gx + 1, gy + 1) - corner(gx, gy + 1)) * sx;
    return top + (bottom - top) * sy;
}

QColor Shade(QColor c, int delta) {
    return QColor(Clamp(c.red() + delta), Clamp(c.green() + delta), Clamp(c.blue() + delta));
}

bool IsDark(TRgb c) {
    return c.R + c.G + c.B < 200;
}

void PaintTuft(QPainter& p, QPointF at, std::uint32_t v, TRgb ground) {
    const double h = 5.0 + static_cast<double>(v % 4);
    const TRgb blade = IsDark(ground) ? ContrastShade(ground, 60) : TRgb{48, 64, 34};
    p.setPen(QPen(QColor(blade.R, blade.G, blade.B), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, at + QPointF(-3.0, -h * 0.8));
    p.drawLine(at, at + QPointF(0.0, -h));
    p.drawLine(at, at + QPointF(3.0, -h * 0.8));
    if (v & 0x10u) {
        p.setPen(Qt::NoPen);
        p.setBrush(IsDark(ground) ? QColor(blade.R, blade.G, blade.B) : QColor(70, 84, 52));
        p.drawEllipse(at + QPointF(6.0, -1.0), 4.0, 1.8);
    }
}

void PaintTree(QPainter& p, QPointF at, std::uint32_t v) {
    const double r = 6.0 + static_cast<double>(v % 3);
    const QColor leaf = (v & 0x8u) ? QColor(46, 104, 42) : QColor(58, 116, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 30, 110));
    p.drawEllipse(at + QPointF(2.0, r * 0.8), r * 0.9, r * 0.35); // shadow
    p.setBrush(QColor(92, 64, 36));
    p.drawRect(QRectF(at.x() - 1.2, at.y(), 2.4, r * 0.8)); // trunk
    p.setPen(QPen(QColor(30, 62, 28), 1.0));
    p.setBrush(leaf);
    p.drawEllipse(at, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(Shade(leaf, 36));
    p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.35, r * 0.35);
}

void PaintStone(QPainter& p, QPointF at, std::uint32_t v) {
    const double w = 4.0 + static_cast<double>(v % 4);
    const double h = w * 0.65;
    const int grey = 120 + static_cast<int>((v >> 4) % 40);
    p.setPen(QPen(QColor(78, 62, 44), 1.0));
    p.setBrush(QColor(grey, grey - 6, grey - 14));
    p.drawEllipse(at, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Clamp(grey + 50), Clamp(grey + 46), Clamp(grey + 38)));
    p.drawEllipse(at + QPointF(-w * 0.3, -h * 0.35), w * 0.35, h * 0.3);
}

void PaintPeak(QPainter& p, QPointF at, std::uint32_t v) {
    const double w = 11.0 + static_cast<double>(v % 4);
    const double h = w * 1.1;
    const QPointF top = at + QPointF(0.0, -h * 0.6);
    const QPointF left = at + QPointF(-w, h * 0.4);
    const QPointF right = at + QPointF(w, h * 0.4);
    const QPointF foot = at + QPointF(w * 0.15, h * 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 172, 166)); // lit western face
    p.drawPolygon(QPolygonF({top, left, foot}));
    p.setBrush(QColor(96, 92, 88)); // shaded eastern face
    p.drawPolygon(QPolygonF({top, foot, right}));
    p.setBrush(QColor(244, 244, 240)); // snow cap
    p.drawPolygon(QPolygonF({top, top + QPointF(-w * 0.3, h * 0.3), top + QPointF(0.0, h * 0.22),
                             top + QPointF(w * 0.3, h * 0.3)}));
    p.setPen(QPen(QColor(60, 56, 52), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({left, top, right}));
}

} // namespace

TTerrainStyle StyleForKind(int kind, TPalette palette) {
    if (kind < 0 || kind >= static_cast<int>(Styles.size()))
        throw std::out_of_range("tile kind outside 0..3");
    TTerrainStyle style = Styles[static_cast<std::size_t>(kind)];
    style.Ground = PaletteColours(palette).Terrain[static_cast<std::size_t>(kind)];
    return style;
}

void PaintGround(QImage& image, const TTerrainStyle& style, std::uint32_t seed) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double broad = ValueNoise(x, y, 24, seed) * 12.0;
            const double fine = ValueNoise(x, y, 5, seed + 1) * 5.0;
            const int grain =
                static_cast<int>(
                    MixBits(seed + 2 + static_cast<std::uint32_t>(y * image.width() + x)) % 7u) -
                3;
            const int delta = static_cast<int>(broad + fine) + grain;
            line[x] = qRgb(Clamp(style.Ground.R + delta), Clamp(style.Ground.G + delta),
                           Clamp(style.Ground.B + delta));
        }
    }
}

TRgb ContrastShade(TRgb ground, int amount) {
    const int delta = IsDark(ground) ? amount : -amount;
    return {static_cast<std::uint8_t>(Clamp(ground.R + delta)),
            static_cast<std::uint8_t>(Clamp(ground.G + delta)),
            static_cast<std::uint8_t>(Clamp(ground.B + delta))};
}

void PaintFeature(QPainter& painter, TFeature feature, QPointF at, std::uint32_t variation,
                  TRgb ground) {
    painter.save();
    switch (feature) {
    case TFeature::GrassTuft:
        PaintTuft(painter, at, variation, ground);
        break;
    case TFeature::Tree:
        PaintTree(painter, at, variation);
        break;
    case TFeature::Stone:
        PaintStone(painter, at, variation);
        break;
    case TFeature::Peak:
        PaintPeak(painter, at, variation);
        break;
    }
    painter.restore();
}

} // namespace tavrin::tileart
