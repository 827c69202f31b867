// The marks over a map: their sizes at a zoom, the place of a label beside a
// ring, and laws over many maps: the From and To labels cover no ring of
// their route, and coordinates labels cover no clearing.

#include "acceptance.h"
#include "colour_palette.h"
#include "map_places.h"
#include "route_marks.h"
#include "test_state.h"

#include <QTest>
#include <QTransform>
#include <algorithm>

using namespace tavrin;

namespace {

// The accepted maps of the first seeds, each with its drawing's places.
struct TMadeMap {
    std::unique_ptr<TMapState> State;
    TMapPlaces Places;
};
std::vector<TMadeMap> SomeMaps() {
    std::vector<TMadeMap> maps;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        auto state = test::FreshState(seed);
        CreateMap(*state);
        TMapPlaces places = MapPlaces(*state);
        maps.push_back({std::move(state), places});
    }
    return maps;
}

} // namespace

class TestRouteMarks : public QObject {
    Q_OBJECT

private slots:
    // Marks grow with the zoom and stop shrinking at a readable size.
    void sizesFollowTheZoomDownToAMinimum() {
        const TMarkSizes actual = MarkSizes(1.0);
        const TMarkSizes doubled = MarkSizes(2.0);
        QCOMPARE(doubled.RingRadius, 2 * actual.RingRadius);
        QCOMPARE(doubled.LabelPixels, 2 * actual.LabelPixels);
        QCOMPARE(doubled.RingWidth, 2 * actual.RingWidth);
        const TMarkSizes least = MarkSizes(0.1);
        QCOMPARE(MarkSizes(0.25).LabelPixels, least.LabelPixels);
        QVERIFY(least.LabelPixels >= 11);
        QVERIFY(least.RingRadius >= 9.0);
        QVERIFY(least.RoadWidth >= 2.5);
    }

    // The first free place round the ring; further out when the near ones
    // are all covered; a box already taken is a place covered.
    void labelGoesToTheFirstFreePlace() {
        const QPointF centre(100, 100);
        const QSizeF size(30, 14);
        const QRectF first = LabelBeside(centre, 10, size, {}, {});
        QVERIFY(first.left() > centre.x() && first.bottom() < centre.y());

        const TCircle blocking{first.center(), 3};
        const QRectF second = LabelBeside(centre, 10, size, std::vector{blocking}, {});
        QVERIFY(!Covers(second, blocking));
        QVERIFY(second.left() > centre.x() && second.top() < centre.y());
        QCOMPARE(LabelBeside(centre, 10, size, {}, std::vector{first}), second);

        const TCircle near{centre, 40};
        const QRectF far = LabelBeside(centre, 10, size, std::vector{near}, {});
        QVERIFY(!Covers(far, near));
    }

    // Over many maps and zooms, routes from the start clearing to every tile:
    // no label covers a ring of its route, and From and To keep apart.
    void labelsCoverNoRingOfTheirRoute() {
        for (const TMadeMap& map : SomeMaps()) {
            for (std::uint8_t tile = 1; tile <= TileCount; ++tile) {
                TRoute route{};
                FindShortestPath(*map.State, {11, 1}, {tile, 2}, route);
                const TRouteMarks marks =
                    RouteAnswerMarks(*map.State, map.Places, {11, 1}, {tile, 2}, route);
                for (const double scale : {0.2, 1.0, 2.5}) {
                    const QTransform toView = QTransform::fromScale(scale, scale);
                    const std::vector<TRouteLabel> labels = RouteLabels(marks, toView, scale);
                    QCOMPARE(labels.size(), std::size_t{2});
                    QVERIFY(!labels[0].Box.intersects(labels[1].Box));
                    for (const TRouteLabel& label : labels)
                        for (const TCircle& ring : RouteRings(marks, toView, scale))
                            QVERIFY2(!Covers(label.Box, ring), qPrintable(label.Text));
                }
            }
        }
    }

    // The route reads without its colour: along its roads the line breaks
    // into dashes on its light casing, in either palette.
    void routeIsDashedOnItsCasing() {
        auto state = test::FreshState(7);
        CreateMap(*state);
        const TMapPlaces places = MapPlaces(*state);
        TRoute route{};
        FindShortestPath(*state, {11, 1}, {12, 3}, route);
        const TRouteMarks marks = RouteAnswerMarks(*state, places, {11, 1}, {12, 3}, route);
        QVERIFY(!marks.Roads.empty());
        for (const TPalette palette : {TPalette::Standard, TPalette::ColourBlind}) {
            QImage picture(1200, 1200, QImage::Format_RGB32);
            picture.fill(Qt::black);
            DrawRouteMarks(picture, marks, palette);
            const TRgb c = PaletteColours(palette).Route;
            const QRgb routeColour = qRgb(c.R, c.G, c.B);
            // Sample the middle of the longest road; count changes between
            // the route's colour and anything else.
            const TPolyline& road = *std::max_element(
                marks.Roads.begin(), marks.Roads.end(),
                [](const TPolyline& a, const TPolyline& b) { return a.size() < b.size(); });
            int changes = 0;
            bool wasRoute = false;
            for (std::size_t i = 0; i + 1 < road.size(); ++i)
                for (int k = 0; k < 10; ++k) {
                    const double t = k / 10.0;
                    const QPoint at(qRound(road[i].X + t * (road[i + 1].X - road[i].X)),
                                    qRound(road[i].Y + t * (road[i + 1].Y - road[i].Y)));
                    const bool isRoute = picture.pixel(at) == routeColour;
                    changes += isRoute != wasRoute;
                    wasRoute = isRoute;
                }
            QVERIFY2(changes >= 12, qPrintable(QString::number(changes)));
        }
    }

    // Over many maps, at the sizes a label takes from 100% to 200%.
    void coordinatesCoverNoClearing() {
        for (const TMadeMap& map : SomeMaps()) {
            for (const QSizeF size : {QSizeF(40, 18), QSizeF(20, 9)}) {
                for (int tile = 1; tile <= TileCount; ++tile) {
                    const QRectF box = CoordinatesBox(map.Places, tile, size);
                    for (int t = 1; t <= TileCount; ++t)
                        for (std::uint8_t c = 1; c <= 6; ++c) {
                            if (!map.Places.Tiles[t].Clearings[c])
                                continue;
                            const TPoint p =
                                ClearingCentre(map.Places, {static_cast<std::uint8_t>(t), c});
                            QVERIFY(!Covers(box, {{p.X, p.Y}, 13}));
                        }
                }
            }
        }
    }
};

QTEST_MAIN(TestRouteMarks)
#include "tst_route_marks.moc"
