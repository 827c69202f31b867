#pragma once
// The map view: the map picture in a scrolled area, at a zoom that scales the
// view and never the picture, with the answer to the last route query and, on
// request, the tiles' coordinates drawn over it; and clearings to point at.
//
// Before the first map the view says how to make one, and how to bring back
// the last map when there is one to go back to; a map smaller than the view
// is shown centred.
//
// Zoom: Zoom In and Zoom Out step through ZoomSteps, Actual Size shows 100%,
// Fit Map scales the whole picture into the view and keeps it fitted while
// the view's size changes and new maps come, until another zoom ends it.
// Ctrl+wheel zooms about the cursor, the other zooms about the view's centre.
// Scaled down, the picture is served from a smoothly scaled copy made once
// per scale, a moment after the scale settles (until then a quick scaling
// shows), so panning and resizing stay fluid on the largest pictures; scaled
// up, only the part on screen is scaled, smoothly.
//
// Sharp on any screen: the tiles are painted as the program's vector art at
// the screen's device pixel ratio (a copy at the zoom in use is kept while
// it is small enough, otherwise the part on show is painted), in the palette
// chosen; the tile bitmaps are shown instead when the user chooses them.
// Either way 100% shows a tile 200 device-independent pixels wide.
//
// Pointing: hovering a tile shows its listing line in a tooltip, and the
// clearing under the cursor if there is one; a click on a clearing reports it
// with the mouse button. Where tiles overlap, the one drawn last is the one
// under the cursor. Positions come from the art's geometry (map_places.h).
//
// The view's object name is ScrollBox1 and its viewport's Image1: the scroll
// box and the image control of the window's layout.

#include "colour_palette.h"
#include "map_art.h"
#include "map_places.h"
#include "route_marks.h"
#include "view_geometry.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class TMapView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TMapView(QWidget* parent = nullptr);

    // Shows a new map: its picture and the tiles as DrawMap has just drawn
    // them from `state`. It shows from its top-left and without route marks.
    void SetMap(const QImage& picture, const tavrin::TMapState& state);
    const QImage& Picture() const { return MapPicture; }
    // The places of the tiles as drawn; all at the origin before any map.
    const tavrin::TMapPlaces& Places() const { return TilePlaces; }

    // While a map is edited: the editor's picture replaces the map's, the
    // view staying where it is (`shift` is how far the picture's content
    // moved, in picture pixels), and the overlay is painted over it instead
    // of the map's own marks. A null overlay ends it.
    using TOverlay = std::function<void(QPainter&, const QTransform& toView, double scale)>;
    void ShowEditing(const QImage& picture, QPoint shift);
    void SetOverlay(TOverlay overlay);
    // Scrolls the least that brings the picture rectangle into view, as much
    // of it as fits.
    void EnsureVisible(const QRectF& pictureRect);
    // Picture to viewport coordinates at the current zoom and scroll.
    QTransform ToViewTransform() const;

    void SetRouteMarks(tavrin::TRouteMarks marks);
    const tavrin::TRouteMarks& RouteMarks() const { return Marks; }

    // The cut-off clearings marked over the picture (PaintCutOffMarks); a new
    // map keeps them until they are set again.
    void SetCutOffMarks(std::vector<tavrin::TPoint> points);
    const std::vector<tavrin::TPoint>& CutOffMarks() const { return CutOff; }

    // The colours of the art and the marks.
    tavrin::TPalette Palette() const { return Colours; }
    void SetPalette(tavrin::TPalette palette);
    // The tile art (the default) or the tile bitmaps of the picture.
    tavrin::TTileLook TileLook() const { return Look; }
    void SetTileLook(tavrin::TTileLook look);

    bool ShowsCoordinates() const { return Coordinates; }
    void SetShowCoordinates(bool on);

    tavrin::TZoomMode ZoomMode() const { return Mode; }
    double Scale() const { return CurrentScale; }
    void SetZoomMode(tavrin::TZoomMode mode);
    void ZoomIn();
    void ZoomOut();

    // The top-left corner of the part of the scaled picture on show.
    QPoint ScrollPosition() const;
    // Where the picture's top-left corner lies in the viewport: centred on
    // each axis where the scaled picture is smaller than the view.
    QPoint Origin() const;

    // What the view says while it has no map; it offers Back while Back has
    // a map to bring back.
    QString EmptyViewText() const;
    void SetBackOffered(bool offered);
    // Between viewport and picture coordinates at the current zoom and scroll.
    QPointF ToPicture(QPointF viewportPoint) const;
    QPointF ToViewport(tavrin::TPoint picturePoint) const;

    // The clearing under a viewport point, NoLocation if none.
    tavrin::TLocation ClearingUnder(QPointF viewportPoint) const;
    // The tooltip for a viewport point; empty over no tile.
    QString HoverText(QPointF viewportPoint) const;

signals:
    void ZoomChanged();
    // The palette or the tile look changed.
    void LookChanged();
    // A left or right click on a clearing.
    void ClearingClicked(tavrin::TLocation clearing, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void ApplyZoom(tavrin::TZoomMode mode, QPointF anchor);
    void ShowPictureAt(QPoint scroll);
    double ScaleFor(tavrin::TZoomMode mode) const;
    QSize ShownSize() const;
    void UpdateScrollBars();
    void ScaledCopyWanted();
    void MakeScaledCopy();
    void PaintPicture(QPainter& painter, const QRect& exposed);
    void PaintArt(QPainter& painter, const QRect& exposed);
    QImage ArtAtScale() const;
    bool ShowsArt() const;
    void ShowToolTip(QPoint globalPos, const QString& text);

    QImage MapPicture;
    tavrin::TMapState ShownState{}; // the tiles as drawn, for the art
    tavrin::TPalette Colours = tavrin::TPalette::Standard;
    tavrin::TTileLook Look = tavrin::TTileLook::Art;
    tavrin::TMapPlaces TilePlaces;
    bool PlacesKnown = false;
    // The editor's picture is on show: it has a frame of its own (the map
    // with a margin), which the editor's marks are placed by.
    bool Editing = false;
    QStringList ListLines; // the tile listing of the map on show, tile 1 first
    tavrin::TRouteMarks Marks;
    std::vector<tavrin::TPoint> CutOff;
    bool Coordinates = false;
    bool BackOffered = false;
    TOverlay Overlay;

    tavrin::TZoomMode Mode = tavrin::ActualSizeZoom;
    double CurrentScale = 1.0;
    int WheelTurn = 0; // wheel angle not yet used for a zoom step

    QImage ScaledCopy; // MapPicture (or the art) at ScaledCopyScale, on this screen
    double ScaledCopyScale = 0;
    QTimer ScaledCopyTimer;
};
