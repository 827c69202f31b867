// The map view's arithmetic: the scale that fits a picture into a viewport,
// the zoom steps, the point kept under the cursor, and the zoom as stored
// and shown.

#include "view_geometry.h"

#include <gtest/gtest.h>

using namespace tavrin;

namespace {

TEST(FitScale, ScalesTheWholePictureIntoTheViewportWithinTheSteps) {
    const struct {
        const char* Name;
        QSize Picture;
        QSize Viewport;
        double Scale;
    } cases[] = {
        {"one row, by its width", {3050, 263}, {1450, 800}, 1450.0 / 3050},
        {"one column, by its height", {200, 3525}, {1450, 800}, 800.0 / 3525},
        {"small, enlarged", {1000, 500}, {1500, 1000}, 1.5},
        {"huge, held at the smallest step", {8192, 8192}, {500, 500}, 0.1},
        {"tiny, held at the largest step", {100, 100}, {1000, 1000}, 4.0},
        {"no picture", {0, 0}, {1000, 1000}, 1.0},
        {"no viewport", {1000, 1000}, {0, 0}, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(FitScale(c.Picture, c.Viewport), c.Scale, 1e-9) << c.Name;
}

// A fitted picture never needs a scroll bar, whatever the rounding.
TEST(FitScale, ScaledPictureNeverExceedsTheViewport) {
    for (int w = 200; w <= 8192; w += 397) {
        for (int h = 200; h <= 8192; h += 419) {
            for (const QSize viewport : {QSize(1453, 811), QSize(640, 479), QSize(2000, 1999)}) {
                const double scale = FitScale({w, h}, viewport);
                if (scale <= MinScale || scale >= MaxScale)
                    continue;
                const QSize shown = ScaledSize({w, h}, scale);
                EXPECT_LE(shown.width(), viewport.width()) << w << "x" << h;
                EXPECT_LE(shown.height(), viewport.height()) << w << "x" << h;
                EXPECT_TRUE(shown.width() == viewport.width() ||
                            shown.height() == viewport.height())
                    << w << "x" << h;
            }
        }
    }
}

TEST(ZoomSteps, StepFromAnyScaleToTheNextStepEitherWay) {
    const struct {
        double Scale;
        int In;
        int Out;
    } cases[] = {{1.0, 110, 90},  {0.4754, 50, 33},      {0.5, 67, 33},
                 {0.1, 15, 10},   {0.05, 10, 10},        {4.0, 400, 300},
                 {9.0, 400, 400}, {0.3300000001, 50, 25}}; // a fitted scale a hair off a step
    for (const auto& c : cases) {
        EXPECT_EQ(ZoomInStep(c.Scale), c.In) << c.Scale;
        EXPECT_EQ(ZoomOutStep(c.Scale), c.Out) << c.Scale;
    }
    // Zooming in from the smallest step visits every step.
    std::vector<int> visited{ZoomSteps.front()};
    while (visited.back() != ZoomSteps.back())
        visited.push_back(ZoomInStep(visited.back() / 100.0));
    EXPECT_EQ(visited, std::vector<int>(ZoomSteps.begin(), ZoomSteps.end()));
}

// The picture point under the anchor is still under it after the zoom: the
// scroll positions worked out by hand, e.g. at 100% the anchor (300, 200)
// shows picture point (300, 200), which at 125% lies at (375, 250), so the
// view scrolls to (75, 50). A position between pixels goes to the nearest.
TEST(ScrollKeeping, KeepsThePictureUnderTheAnchor) {
    const struct {
        QPoint Scroll;
        QPointF Anchor;
        double Before;
        double After;
        QPoint Kept;
    } cases[] = {{{0, 0}, {300, 200}, 1.0, 1.25, {75, 50}},
                 {{500, 40}, {10, 30}, 1.0, 0.5, {245, 5}},
                 {{1234, 567}, {640, 400}, 0.33, 4.0, {22075, 11321}},
                 {{120, 80}, {0.5, 0.5}, 2.0, 1.0, {60, 40}}}; // 59.75, 39.75
    for (const auto& c : cases)
        EXPECT_EQ(ScrollKeeping(c.Scroll, c.Anchor, c.Before, c.After), c.Kept) << c.Before;
}

TEST(ZoomMode, IsStoredAsTextAndReadBackHeldToTheSteps) {
    const std::pair<const char*, TZoomMode> cases[] = {
        {"fit", FitZoom},        {"250", {false, 250}}, {"", ActualSizeZoom},
        {"abc", ActualSizeZoom}, {"5", {false, 10}},    {"9999", {false, 400}},
    };
    for (const auto& [text, mode] : cases)
        EXPECT_EQ(ZoomModeFromText(QString::fromLatin1(text)), mode) << text;
    for (const TZoomMode mode : {FitZoom, ActualSizeZoom, TZoomMode{false, 33}})
        EXPECT_EQ(ZoomModeFromText(ZoomModeText(mode)), mode);
}

TEST(ZoomMode, CaptionSaysFitWhileFitting) {
    EXPECT_EQ(ZoomCaption(FitZoom, 0.4754), QStringLiteral("Fit 48%"));
    EXPECT_EQ(ZoomCaption({false, 250}, 2.5), QStringLiteral("Zoom 250%"));
}

} // namespace

namespace {

TEST(CentringOffset, CentresOnlyTheAxesWhereThePictureIsSmaller) {
    const struct {
        const char* Name;
        QSize Shown;
        QPoint Offset;
    } cases[] = {
        {"smaller both ways", {400, 200}, {300, 200}},
        {"wider, lower", {1200, 200}, {0, 200}},
        {"larger both ways", {2000, 900}, {0, 0}},
        {"odd difference rounds down", {997, 600}, {1, 0}},
        {"one pixel short", {999, 599}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentringOffset(c.Shown, {1000, 600}), c.Offset) << c.Name;
}

} // namespace
