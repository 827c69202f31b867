#include "tile_painter.h"

#include "clearing_layout.h"
#include "hex_shape.h"
#include "road_path.h"
#include "terrain_style.h"
#include "tile_frame.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <catalogue.h>
#include <checked.h>
#include <cmath>
#include <vector>

namespace tavrin::tileart {
namespace {

constexpr QColor Colour(TRgb c) {
    return QColor(c.R, c.G, c.B);
}

const QColor RoadEdging(84, 58, 32);
const QColor ClearingFill(246, 238, 214);
const QColor Ink(44, 30, 18);
constexpr double RoadWidth = 7.0;
constexpr double RoadEdgingWidth = 11.0;

// Maps points of the tile's own frame onto the bitmap for one rotation.
struct TPlacement {
    int Rotation;
    QPointF operator()(TPoint p) const {
        const TPoint b = ToBitmap(RotateToMapFrame(p, Rotation));
        return {b.X, b.Y};
    }
};

double Distance(QPointF a, QPointF b) {
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QFont TextFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPainterPath RoadCurve(const TRoadPath& path, const TPlacement& place) {
    QPainterPath curve(place(path.Start));
    curve.quadTo(place(path.Control), place(path.End));
    if (path.Edge != 0) {
        // Run on a little past the edge so the road fills the hexagon's last
        // pixels; whatever lies outside is keyed away.
        const TPoint n = EdgeNormal(path.Edge);
        curve.lineTo(place({path.End.X + 4 * n.X, path.End.Y + 4 * n.Y}));
    }
    return curve;
}

// Points along all roads, in bitmap pixels, for keeping symbols and the name
// clear of them.
std::vector<QPointF> RoadSamples(const std::vector<TRoadPath>& paths, const TPlacement& place) {
    std::vector<QPointF> samples;
    for (const TRoadPath& path : paths)
        for (int i = 0; i <= 24; ++i)
            samples.push_back(place(PointOnPath(path, i / 24.0)));
    return samples;
}

// True when the whole box lies inside the hexagon with a few pixels to spare.
bool BoxInsideHex(const QRectF& box) {
    constexpr double margin = 3.0;
    const QRectF inner = box.adjusted(-margin, -margin, margin, margin);
    for (QPointF corner :
         {inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight()}) {
        if (!IsInsideHex(static_cast<int>(std::floor(corner.x())),
                         static_cast<int>(std::floor(corner.y()))))
            return false;
    }
    return true;
}

// Where a clearing counts as covered by the name.
constexpr double ClearingOverlap = 40.0;

// The name goes where it covers the fewest clearings and road points in this
// rotation, preferring the top and bottom bands and the middle of a band.
// `score` receives how much it covers there.
QRectF NameBox(const QString& name, const QFont& font, const std::vector<QPointF>& clearings,
               const std::vector<QPointF>& roads, double& score) {
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(name) + 10.0;
    const double h = metrics.height() + 4.0;
    QRectF best;
    double bestScore = 0;
    for (int cy = 20; cy <= 156; cy += 2) {
        for (int cx = 40; cx <= 160; cx += 5) {
            const QRectF box(cx - w / 2, cy - h / 2, w, h);
            if (!BoxInsideHex(box))
                continue;
            const double band = std::min(std::abs(cy - 22), std::abs(cy - 153));
            double here = band * 0.1 + std::abs(cx - 100) * 0.05;
            const QRectF near = box.adjusted(-ClearingRadius - 5, -ClearingRadius - 5,
                                             ClearingRadius + 5, ClearingRadius + 5);
            for (QPointF c : clearings)
                here += near.contains(c) ? ClearingOverlap : 0;
            for (QPointF r : roads)
                here += box.adjusted(-2, -2, 2, 2).contains(r) ? 1 : 0;
            if (best.isNull() || here < bestScore) {
                best = box;
                bestScore = here;
            }
        }
    }
    score = bestScore;
    return best;
}

void PaintFeatures(QPainter& painter, const TTerrainStyle& style, int tile, const TPlacement& place,
                   const std::vector<QPointF>& clearings, const std::vector<QPointF>& roads,
                   const QRectF& nameBox) {
    std::vector<QPointF> placed;
    const double spacing = style.Feature == TFeature::Peak ? 25.0 : 15.0;
    const QRectF keepOut = nameBox.adjusted(-8, -8, 8, 12);
    for (std::uint32_t attempt = 0;
         attempt < 400 && static_cast<int>(placed.size()) < style.FeatureCount; ++attempt) {
        const std::uint32_t h = MixBits(static_cast<std::uint32_t>(tile) * 7919u + attempt);
        const TPoint p{static_cast<double>(h % 161u) - 80.0,
                       static_cast<double>((h >> 8) % 161u) - 80.0};
        bool inside = true;
        for (int e = 1; e <= 6; ++e) {
            const TPoint n = EdgeNormal(e);
            inside = inside && p.X * n.X + p.Y * n.Y < EdgeDistance - 14.0;
        }
        if (!inside)
            continue;
        const QPointF at = place(p);
        bool clear = !keepOut.contains(at);
        for (QPointF c : clearings)
            clear = clear && Distance(at, c) > ClearingRadius + spacing;
        for (QPointF r : roads)
            clear = clear && Distance(at, r) > RoadEdgingWidth / 2 + spacing * 0.6;
        for (QPointF f : placed)
            clear = clear && Distance(at, f) > spacing;
        if (!clear)
            continue;
        placed.push_back(at);
    }
    // Back to front, so lower symbols overlap the ones above them.
    std::sort(placed.begin(), placed.end(), [](QPointF a, QPointF b) {
        return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x());
    });
    for (std::size_t i = 0; i < placed.size(); ++i)
        PaintFeature(painter, style.Feature, placed[i],
                     MixBits(static_cast<std::uint32_t>(tile * 131 + static_cast<int>(i))));
}

// Keys everything outside the hexagon and draws a thin dark rim just inside
// it, so neighbouring tiles read as separate pieces.
void KeyAndRim(QImage& image) {
    const QRgb key = qRgb(KeyColour.R, KeyColour.G, KeyColour.B);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!IsInsideHex(x, y)) {
                line[x] = key;
                continue;
            }
            const bool rim = !IsInsideHex(x - 1, y) || !IsInsideHex(x + 1, y) ||
                             !IsInsideHex(x, y - 1) || !IsInsideHex(x, y + 1);
            QRgb p = line[x];
            if (rim)
                p = qRgb(qRed(p) * 3 / 5, qGreen(p) * 3 / 5, qBlue(p) * 3 / 5);
            if ((p & 0xFFFFFFu) == (key & 0xFFFFFFu))
                p = qRgb(254, 0, 255); // the key colour is reserved for the outside
            line[x] = p;
        }
    }
}

// Everything of a tile's picture above its ground: symbols, roads,
// clearings and the name, in bitmap pixels, for any paint device.
void PaintArt(QPainter& painter, const TMapState& state, int tile, int rotation) {
    const TTile& record = state.Tiles[tile];
    const TPlacement place{rotation};
    const TTerrainStyle& style = StyleForKind(record.Kind);

    const auto paths = TileRoadPaths(record, [tile](int c) { return ClearingPosition(tile, c); });
    std::vector<QPointF> clearings;
    std::vector<int> numbers;
    for (int c = 1; c <= 6; ++c) {
        if (record.Clearings[c].Present) {
            clearings.push_back(place(ClearingPosition(tile, c)));
            numbers.push_back(c);
        }
    }
    const std::vector<QPointF> roadSamples = RoadSamples(paths, place);
    const QString name = QString::fromLatin1(record.Name.View().data(),
                                             static_cast<qsizetype>(record.Name.View().size()));
    // On crowded tiles a smaller name may find a place clear of all clearings.
    QFont nameFont = TextFont(12);
    double score = 0;
    QRectF nameBox = NameBox(name, nameFont, clearings, roadSamples, score);
    for (int size = 11; size >= 10 && score >= ClearingOverlap; --size) {
        double smallerScore = 0;
        const QFont smaller = TextFont(size);
        const QRectF smallerBox = NameBox(name, smaller, clearings, roadSamples, smallerScore);
        if (smallerScore < ClearingOverlap) {
            nameFont = smaller;
            nameBox = smallerBox;
            score = smallerScore;
        }
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintFeatures(painter, style, tile, place, clearings, roadSamples, nameBox);

    painter.setBrush(Qt::NoBrush);
    for (const TRoadPath& path : paths) {
        const QPainterPath curve = RoadCurve(path, place);
        painter.setPen(
            QPen(RoadEdging, RoadEdgingWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(curve);
        painter.setPen(
            QPen(Colour(RoadColour), RoadWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.drawPath(curve);
    }

    const QFont numberFont = TextFont(15);
    painter.setFont(numberFont);
    for (std::size_t i = 0; i < clearings.size(); ++i) {
        painter.setPen(QPen(Ink, 2.0));
        painter.setBrush(ClearingFill);
        painter.drawEllipse(clearings[i], ClearingRadius, ClearingRadius);
        const QRectF box(clearings[i].x() - ClearingRadius, clearings[i].y() - ClearingRadius,
                         2 * ClearingRadius, 2 * ClearingRadius);
        painter.drawText(box, Qt::AlignCenter, QString::number(numbers[i]));
    }

    painter.setPen(QPen(Ink, 1.0));
    painter.setBrush(QColor(250, 244, 226, 220));
    painter.drawRoundedRect(nameBox, 4.0, 4.0);
    painter.setFont(nameFont);
    painter.drawText(nameBox, Qt::AlignCenter, name);
}

// The hexagon's outline in bitmap pixels, corner to corner.
QPolygonF HexOutline() {
    return QPolygonF({QPointF(0, HexHeight / 2.0), QPointF(HexWidth / 4.0, 0),
                      QPointF(HexWidth * 3 / 4.0, 0), QPointF(HexWidth, HexHeight / 2.0),
                      QPointF(HexWidth * 3 / 4.0, HexHeight), QPointF(HexWidth / 4.0, HexHeight)});
}

// The SVG generator drops clip paths, so the hexagon's clip goes into the
// document afterwards: defined once, and set on the group that holds the
// whole drawing. Fonts get fallbacks for devices without DejaVu.
QByteArray ClippedToHexagon(QByteArray svg) {
    QByteArray points;
    for (const QPointF& p : HexOutline())
        points += QByteArray::number(p.x()) + ',' + QByteArray::number(p.y()) + ' ';
    svg.replace("<defs>\n</defs>", "<defs><clipPath id=\"hexagon\"><polygon points=\"" +
                                       points.trimmed() + "\"/></clipPath></defs>");
    const qsizetype group = svg.indexOf("<g ");
    if (group >= 0)
        svg.insert(group + 3, "clip-path=\"url(#hexagon)\" ");
    svg.replace("font-family=\"DejaVu Sans\"", "font-family=\"DejaVu Sans, Verdana, sans-serif\"");
    return svg;
}

} // namespace

QImage RenderTile(const TMapState& state, int tile, int rotation) {
    const TTile& record = state.Tiles[tile];
    InRange<1, 6>(rotation);
    QImage image(BitmapSize, BitmapSize, QImage::Format_RGB32);
    PaintGround(image, StyleForKind(record.Kind), static_cast<std::uint32_t>(tile) * 2654435761u);
    QPainter painter(&image);
    PaintArt(painter, state, tile, rotation);
    painter.end();
    KeyAndRim(image);
    return image;
}

QByteArray RenderTileSvg(const TMapState& state, int tile, int rotation) {
    const TTile& record = state.Tiles[tile];
    InRange<1, 6>(rotation);
    // The ground is texture, not drawing: a quarter of its size is enough
    // and keeps the file small.
    QImage ground(BitmapSize, BitmapSize, QImage::Format_RGB32);
    PaintGround(ground, StyleForKind(record.Kind), static_cast<std::uint32_t>(tile) * 2654435761u);
    ground = ground.scaled(BitmapSize / 4, BitmapSize / 4, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);

    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(BitmapSize, BitmapSize));
    generator.setViewBox(QRect(0, 0, BitmapSize, BitmapSize));
    generator.setTitle(QString::fromStdString(TileBitmapStem(tile, rotation)));
    QPainter painter(&generator);
    QPainterPath hexagon;
    hexagon.addPolygon(HexOutline());
    hexagon.closeSubpath();
    painter.setClipPath(hexagon);
    painter.drawImage(QRectF(0, 0, BitmapSize, BitmapSize), ground);
    PaintArt(painter, state, tile, rotation);
    // The rim: half of the stroke falls inside the clip, as the bitmap's
    // one darker pixel does.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 102), 2.0));
    painter.drawPath(hexagon);
    painter.end();
    return ClippedToHexagon(buffer.data());
}

} // namespace tavrin::tileart
