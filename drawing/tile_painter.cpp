#include "tile_painter.h"

#include "clearing_layout.h"
#include "hex_shape.h"
#include "road_path.h"
#include "rotation_mark.h"
#include "terrain_style.h"
#include "tile_frame.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <catalogue.h>
#include <checked.h>
#include <cmath>
#include <mutex>
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

// The course of a road. Bitmaps run a road on a little past the edge, so that
// it fills the hexagon's last pixels; vectors stop it on the edge, where its
// flat end lies along the edge (the road meets the edge square).
QPainterPath RoadCurve(const TRoadPath& path, const TPlacement& place, bool toTheEdge = false) {
    QPainterPath curve(place(path.Start));
    curve.quadTo(place(path.Control), place(path.End));
    if (path.Edge != 0 && !toTheEdge) {
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
// rotation, and never the rotation mark that a printed sheet puts in
// `mark` (it counts as a clearing), preferring the top and bottom bands and
// the middle of a band. `score` receives how much it covers there.
QRectF NameBox(const QString& name, const QFont& font, const std::vector<QPointF>& clearings,
               const std::vector<QPointF>& roads, const QRectF& mark, double& score) {
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
            here += box.intersects(mark) ? ClearingOverlap : 0;
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
                     MixBits(static_cast<std::uint32_t>(tile * 131 + static_cast<int>(i))),
                     style.Ground);
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

QString TileName(const TTile& record) {
    return QString::fromLatin1(record.Name.View().data(),
                               static_cast<qsizetype>(record.Name.View().size()));
}

struct TNamePlace {
    int Pixels = 0;
    QRectF Box;
};

// Where the name goes and how large, for one tile in one rotation. The search
// is slow next to painting, and its answer depends only on the catalogue
// (which is the same in every run) and the fonts, so each is found once.
const TNamePlace& NamePlaceOf(const TTile& record, int tile, int rotation,
                              const std::vector<QPointF>& clearings,
                              const std::vector<QPointF>& roads) {
    static std::mutex guard;
    static std::array<std::array<TNamePlace, 7>, TileCount + 1> found{};
    const std::lock_guard<std::mutex> lock(guard);
    TNamePlace& place = found[static_cast<std::size_t>(tile)][static_cast<std::size_t>(rotation)];
    if (place.Pixels != 0)
        return place;
    const QString name = TileName(record);
    const auto zone = MarkZone(RotationMarkOf(record, tile, rotation));
    const QRectF mark(QPointF(zone[0], zone[1]), QPointF(zone[2], zone[3]));
    // On crowded tiles a smaller name may find a place clear of all clearings.
    int pixels = 12;
    double score = 0;
    QRectF box = NameBox(name, TextFont(pixels), clearings, roads, mark, score);
    for (int size = 11; size >= SmallestNamePixels && score >= ClearingOverlap; --size) {
        double smallerScore = 0;
        const QRectF smallerBox =
            NameBox(name, TextFont(size), clearings, roads, mark, smallerScore);
        if (smallerScore < ClearingOverlap) {
            pixels = size;
            box = smallerBox;
            score = smallerScore;
        }
    }
    place = {pixels, box};
    return place;
}

// The hexagon as a polygon in bitmap pixels: corners on the left and right
// sides of the bitmap, flat edges along its top and at 175 pixels.
QPolygonF HexOutline() {
    constexpr double w = HexWidth;
    constexpr double h = HexHeight;
    return QPolygonF({QPointF(0, h / 2), QPointF(w / 4, 0), QPointF(3 * w / 4, 0),
                      QPointF(w, h / 2), QPointF(3 * w / 4, h), QPointF(w / 4, h)});
}

// The art above the ground, in bitmap pixels: terrain symbols, roads,
// clearings with their numbers and the name. Both forms of the art paint it;
// the bitmap keys away whatever lies outside the hexagon, while the vectors
// (`vector`) keep to it themselves, since not every device clips (SVG files
// do not).
void PaintTileContent(QPainter& painter, const TTile& record, int tile, int rotation,
                      bool vector = false, TPalette palette = TPalette::Standard) {
    const TPlacement place{rotation};
    const TTerrainStyle style = StyleForKind(record.Kind, palette);

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
    const QString name = TileName(record);
    const TNamePlace& namePlace = NamePlaceOf(record, tile, rotation, clearings, roadSamples);
    const QFont nameFont = TextFont(namePlace.Pixels);
    const QRectF nameBox = namePlace.Box;

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintFeatures(painter, style, tile, place, clearings, roadSamples, nameBox);

    painter.setBrush(Qt::NoBrush);
    for (const TRoadPath& path : paths) {
        const QPainterPath curve = RoadCurve(path, place, vector);
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

// One small stroke of a kind's texture, centred at `at`: reeds for hollows,
// dots for groves, slanting strokes for earth, chevrons for rock. Each kind
// has its own, so kinds differ without colour.
void PaintTextureStroke(QPainter& painter, TFeature feature, QPointF at) {
    switch (feature) {
    case TFeature::GrassTuft:
        painter.drawLine(at + QPointF(-4, 0), at + QPointF(4, 0));
        break;
    case TFeature::Tree:
        painter.drawEllipse(at, 1.3, 1.3);
        break;
    case TFeature::Stone:
        painter.drawLine(at + QPointF(-3, 3), at + QPointF(3, -3));
        break;
    case TFeature::Peak:
        painter.drawPolyline(QPolygonF({at + QPointF(-4, 2), at, at + QPointF(4, 2)}));
        break;
    }
}

// The kind's texture over the ground: its stroke on a staggered grid,
// wholly inside the hexagon.
void PaintTexture(QPainter& painter, const TTerrainStyle& style) {
    constexpr double Step = 16.0;
    const TRgb ink = ContrastShade(style.Ground, 42);
    painter.save();
    painter.setPen(
        QPen(QColor(ink.R, ink.G, ink.B, 170), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(ink.R, ink.G, ink.B, 170));
    for (int row = 0; row * Step < HexHeight; ++row)
        for (int column = 0; column * Step < HexWidth; ++column) {
            const QPointF at(column * Step + (row % 2 ? Step / 2 : 0) + 4, row * Step + 8);
            if (BoxInsideHex(QRectF(at.x() - 5, at.y() - 5, 10, 10)))
                PaintTextureStroke(painter, style.Feature, at);
        }
    painter.restore();
}

// The ground of the vector art: the kind's colour, mottled by a few soft
// patches drawn from the tile's number, so that it reads like the bitmap's
// texture at a fraction of the size, and the kind's own texture over it.
void PaintVectorGround(QPainter& painter, const TTerrainStyle& style, int tile) {
    const QColor ground = Colour(style.Ground);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawPolygon(HexOutline());
    for (std::uint32_t i = 0; i < 24; ++i) {
        const std::uint32_t h = MixBits(static_cast<std::uint32_t>(tile) * 2654435761u + i);
        const int delta = static_cast<int>(h % 17u) - 8;
        painter.setBrush(QColor(std::clamp(ground.red() + delta, 0, 255),
                                std::clamp(ground.green() + delta, 0, 255),
                                std::clamp(ground.blue() + delta, 0, 255)));
        const QPointF at(static_cast<double>((h >> 5) % 200u),
                         static_cast<double>((h >> 13) % 175u));
        const double r = 14.0 + static_cast<double>((h >> 21) % 18u);
        // Only patches wholly inside the hexagon: the ground is not cut.
        if (BoxInsideHex(QRectF(at.x() - r, at.y() - r * 0.7, 2 * r, 1.4 * r)))
            painter.drawEllipse(at, r, r * 0.7);
    }
    PaintTexture(painter, style);
}

} // namespace

QImage RenderTile(const TMapState& state, int tile, int rotation) {
    const TTile& record = state.Tiles[tile];
    InRange<1, 6>(rotation);
    const TTerrainStyle style = StyleForKind(record.Kind);

    QImage image(BitmapSize, BitmapSize, QImage::Format_RGB32);
    PaintGround(image, style, static_cast<std::uint32_t>(tile) * 2654435761u);
    QPainter painter(&image);
    PaintTileContent(painter, record, tile, rotation);
    painter.end();

    KeyAndRim(image);
    return image;
}

namespace {

const TNamePlace& NamePlace(const TMapState& state, int tile, int rotation) {
    const TTile& record = state.Tiles[tile];
    InRange<1, 6>(rotation);
    const TPlacement place{rotation};
    std::vector<QPointF> clearings;
    for (int c = 1; c <= 6; ++c)
        if (record.Clearings[c].Present)
            clearings.push_back(place(ClearingPosition(tile, c)));
    const auto paths = TileRoadPaths(record, [tile](int c) { return ClearingPosition(tile, c); });
    return NamePlaceOf(record, tile, rotation, clearings, RoadSamples(paths, place));
}

} // namespace

int NamePixels(const TMapState& state, int tile, int rotation) {
    return NamePlace(state, tile, rotation).Pixels;
}

QRectF NamePlate(const TMapState& state, int tile, int rotation) {
    return NamePlace(state, tile, rotation).Box;
}

void PaintTileArt(QPainter& painter, const TMapState& state, int tile, int rotation,
                  const QRectF& box, TPalette palette) {
    const TTile& record = state.Tiles[tile];
    InRange<1, 6>(rotation);
    const TTerrainStyle style = StyleForKind(record.Kind, palette);

    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / BitmapSize, box.height() / BitmapSize);
    PaintVectorGround(painter, style, tile);
    PaintTileContent(painter, record, tile, rotation, true, palette);
    // The rim that sets neighbouring tiles apart, as the bitmap darkens it:
    // a pixel wide inside the hexagon.
    const QColor ground = Colour(style.Ground);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(ground.red() * 3 / 5, ground.green() * 3 / 5, ground.blue() * 3 / 5),
                        1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(
        QPolygonF({QPointF(0.6, 87.5), QPointF(50.3, 0.5), QPointF(149.7, 0.5),
                   QPointF(199.4, 87.5), QPointF(149.7, 174.5), QPointF(50.3, 174.5)}));
    painter.restore();
}

namespace {

// Qt's SVG generator drops clip paths, so the hexagon's clip goes into the
// document afterwards, around the whole drawing, for browsers that would
// otherwise show a stroke's overhang; fonts get fallbacks for devices
// without DejaVu.
QByteArray ClippedToHexagon(QByteArray svg) {
    svg.replace("<defs>\n</defs>", "<defs><clipPath id=\"hexagon\"><polygon points=\"0,87.5 50,0 "
                                   "150,0 200,87.5 150,175 50,175\"/></clipPath></defs>");
    const qsizetype group = svg.indexOf("<g ");
    if (group >= 0)
        svg.insert(group + 3, "clip-path=\"url(#hexagon)\" ");
    svg.replace("font-family=\"DejaVu Sans\"", "font-family=\"DejaVu Sans, Verdana, sans-serif\"");
    return svg;
}

} // namespace

QByteArray RenderTileSvg(const TMapState& state, int tile, int rotation, TPalette palette) {
    InRange<1, 6>(rotation);
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(BitmapSize, BitmapSize));
    generator.setViewBox(QRect(0, 0, BitmapSize, BitmapSize));
    generator.setTitle(QString::fromStdString(TileBitmapStem(tile, rotation)));
    QPainter painter(&generator);
    PaintTileArt(painter, state, tile, rotation, QRectF(0, 0, BitmapSize, BitmapSize), palette);
    painter.end();
    return ClippedToHexagon(buffer.data());
}

} // namespace tavrin::tileart
