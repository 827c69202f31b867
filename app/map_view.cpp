#include "map_view.h"

#include "clearing_layout.h"
#include "listing.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

namespace {

// The quick scaling shows for this long after the last change of scale (or of
// the window's size, while fitting) before the smooth copy replaces it.
constexpr int ScaledCopyDelayMs = 60;

// One notch of a mouse wheel.
constexpr int WheelNotch = 120;

// A clearing can be hit this far from its centre on screen at the least, so
// that it stays easy to point at on a small map.
constexpr double MinReachOnScreen = 8.0;

// The largest copy of the art kept, in device pixels (64 MB); a larger view
// of the map is painted part by part as it shows.
constexpr qint64 MaxArtCopyPixels = 16'000'000;

} // namespace

TMapView::TMapView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("ScrollBox1"));
    viewport()->setObjectName(QStringLiteral("Image1"));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    ScaledCopyTimer.setSingleShot(true);
    ScaledCopyTimer.setInterval(ScaledCopyDelayMs);
    connect(&ScaledCopyTimer, &QTimer::timeout, this, &TMapView::MakeScaledCopy);
}

void TMapView::SetMap(const QImage& picture, const tavrin::TMapState& state) {
    MapPicture = picture;
    Editing = false;
    ShownState = state;
    ShownState.Messages = nullptr; // the art is painted quietly
    ListLines.clear();
    try {
        TilePlaces = tavrin::MapPlaces(state);
        for (const std::string& line : tavrin::TileListing(state))
            ListLines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        PlacesKnown = true;
    } catch (const tavrin::ETavrinError&) {
        // Only a drawing that failed before it began can leave tiles whose
        // places overflow; nothing on show can then be pointed at.
        TilePlaces = {};
        PlacesKnown = false;
    }
    Marks = {};
    ShowPictureAt({0, 0});
}

void TMapView::ShowEditing(const QImage& picture, QPoint shift) {
    const QPoint scroll = ScrollPosition() + (QPointF(shift) * CurrentScale).toPoint();
    MapPicture = picture;
    Editing = true;
    ShowPictureAt(scroll);
}

// A new picture at the zoom mode's scale, scrolled to `scroll`.
void TMapView::ShowPictureAt(QPoint scroll) {
    const double before = CurrentScale;
    CurrentScale = ScaleFor(Mode);
    ScaledCopy = QImage();
    UpdateScrollBars();
    horizontalScrollBar()->setValue(scroll.x());
    verticalScrollBar()->setValue(scroll.y());
    ScaledCopyWanted();
    viewport()->update();
    if (CurrentScale != before)
        emit ZoomChanged();
}

void TMapView::EnsureVisible(const QRectF& pictureRect) {
    const QRectF shown = ToViewTransform().mapRect(pictureRect);
    const auto scroll = [](QScrollBar* bar, double low, double high, int view) {
        if (low < 0)
            bar->setValue(bar->value() + static_cast<int>(std::floor(low)));
        else if (high > view)
            bar->setValue(bar->value() + static_cast<int>(std::ceil(std::min(high - view, low))));
    };
    scroll(horizontalScrollBar(), shown.left(), shown.right(), viewport()->width());
    scroll(verticalScrollBar(), shown.top(), shown.bottom(), viewport()->height());
}

void TMapView::SetOverlay(TOverlay overlay) {
    Overlay = std::move(overlay);
    viewport()->update();
}

void TMapView::SetRouteMarks(tavrin::TRouteMarks marks) {
    Marks = std::move(marks);
    viewport()->update();
}

void TMapView::SetCutOffMarks(std::vector<tavrin::TPoint> points) {
    CutOff = std::move(points);
    viewport()->update();
}

void TMapView::SetPalette(tavrin::TPalette palette) {
    Colours = palette;
    ScaledCopy = QImage();
    ScaledCopyWanted();
    viewport()->update();
    emit LookChanged();
}

void TMapView::SetTileLook(tavrin::TTileLook look) {
    Look = look;
    ScaledCopy = QImage();
    ScaledCopyWanted();
    viewport()->update();
    emit LookChanged();
}

void TMapView::SetShowCoordinates(bool on) {
    Coordinates = on;
    viewport()->update();
}

void TMapView::SetZoomMode(tavrin::TZoomMode mode) {
    ApplyZoom(mode, QRectF(viewport()->rect()).center());
}

void TMapView::ZoomIn() {
    SetZoomMode({false, tavrin::ZoomInStep(CurrentScale)});
}

void TMapView::ZoomOut() {
    SetZoomMode({false, tavrin::ZoomOutStep(CurrentScale)});
}

double TMapView::ScaleFor(tavrin::TZoomMode mode) const {
    if (mode.Fit)
        return tavrin::FitScale(MapPicture.size(), maximumViewportSize());
    return mode.Percent / 100.0;
}

void TMapView::ApplyZoom(tavrin::TZoomMode mode, QPointF anchor) {
    const double before = CurrentScale;
    const double after = ScaleFor(mode);
    const QPoint scroll = tavrin::ScrollKeeping(ScrollPosition(), anchor, before, after);
    Mode = mode;
    CurrentScale = after;
    if (after != before) {
        ScaledCopy = QImage();
        UpdateScrollBars();
        horizontalScrollBar()->setValue(scroll.x());
        verticalScrollBar()->setValue(scroll.y());
        ScaledCopyWanted();
        viewport()->update();
    }
    emit ZoomChanged();
}

QSize TMapView::ShownSize() const {
    if (MapPicture.isNull())
        return {0, 0};
    return tavrin::ScaledSize(MapPicture.size(), CurrentScale);
}

QPoint TMapView::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QPoint TMapView::Origin() const {
    return tavrin::CentringOffset(ShownSize(), viewport()->size()) - ScrollPosition();
}

QTransform TMapView::ToViewTransform() const {
    const QPoint origin = Origin();
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(CurrentScale, CurrentScale);
    return transform;
}

QPointF TMapView::ToPicture(QPointF viewportPoint) const {
    return (viewportPoint - QPointF(Origin())) / CurrentScale;
}

QPointF TMapView::ToViewport(tavrin::TPoint picturePoint) const {
    return QPointF(picturePoint.X, picturePoint.Y) * CurrentScale + QPointF(Origin());
}

void TMapView::UpdateScrollBars() {
    const QSize shown = ShownSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20);
}

// Only a picture of bitmaps scaled down gets a copy: scaled up, a copy of
// the whole picture would take many times its memory, and only the part on
// screen is ever needed. The art is copied at any zoom while the copy stays
// small (ArtAtScale).
void TMapView::ScaledCopyWanted() {
    if (MapPicture.isNull() || (!ShowsArt() && CurrentScale >= 1.0))
        ScaledCopyTimer.stop();
    else
        ScaledCopyTimer.start();
}

void TMapView::MakeScaledCopy() {
    if (MapPicture.isNull())
        return;
    if (ShowsArt()) {
        ScaledCopy = ArtAtScale();
        if (ScaledCopy.isNull())
            return; // too large to keep: painted as it shows
    } else if (CurrentScale < 1.0)
        ScaledCopy =
            MapPicture.scaled(ShownSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else
        return;
    ScaledCopyScale = CurrentScale;
    viewport()->update();
}

// The art needs the tiles' places; a map whose drawing failed before it
// began has none, and shows the picture as it was drawn.
bool TMapView::ShowsArt() const {
    return Look == tavrin::TTileLook::Art && PlacesKnown && !Editing;
}

// The art of the whole map at the zoom in use, in the screen's device
// pixels; null when it would be larger than MaxArtCopyPixels.
QImage TMapView::ArtAtScale() const {
    const double ratio = viewport()->devicePixelRatioF();
    const QSize pixels = (QSizeF(ShownSize()) * ratio).toSize();
    if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > MaxArtCopyPixels)
        return {};
    QImage art(pixels, QImage::Format_RGB32);
    art.setDevicePixelRatio(ratio);
    art.fill(Qt::white);
    QPainter painter(&art);
    painter.scale(CurrentScale, CurrentScale);
    tavrin::PaintMap(painter, ShownState, tavrin::TTileLook::Art, MapPicture, Colours);
    return art;
}

// The art from its copy when the copy is of this zoom and this screen, else
// painted for the exposed part alone (clipped to the picture, as the
// bitmaps are cut at its size).
void TMapView::PaintArt(QPainter& painter, const QRect& area) {
    const QPoint origin = Origin();
    const double ratio = viewport()->devicePixelRatioF();
    if (!ScaledCopy.isNull() && ScaledCopyScale == CurrentScale &&
        ScaledCopy.devicePixelRatio() == ratio) {
        const QRectF source(QPointF(area.topLeft() - origin) * ratio, QSizeF(area.size()) * ratio);
        painter.drawImage(QRectF(area), ScaledCopy, source);
        return;
    }
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.setTransform(ToViewTransform());
    tavrin::PaintMap(painter, ShownState, tavrin::TTileLook::Art, MapPicture, Colours);
    painter.restore();
    // Moved to a screen of another pixel ratio: the copy is made again.
    if (!ScaledCopy.isNull())
        ScaledCopyWanted();
}

void TMapView::PaintPicture(QPainter& painter, const QRect& exposed) {
    const QPoint origin = Origin();
    const QRect area = exposed & QRect(origin, ShownSize());
    if (area.isEmpty())
        return;
    if (ShowsArt()) {
        PaintArt(painter, area);
        return;
    }
    if (CurrentScale == 1.0) {
        painter.drawImage(area.topLeft(), MapPicture, area.translated(-origin));
        return;
    }
    if (!ScaledCopy.isNull() && ScaledCopyScale == CurrentScale) {
        painter.drawImage(area.topLeft(), ScaledCopy, area.translated(-origin));
        return;
    }
    // Only the exposed part is scaled: smoothly when enlarging, quickly while
    // the smooth copy of a reduced picture is still to come.
    const QTransform toView = ToViewTransform();
    const QRectF source =
        toView.inverted().mapRect(QRectF(area)).adjusted(-1, -1, 1, 1) & QRectF(MapPicture.rect());
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, CurrentScale > 1.0);
    painter.setTransform(toView);
    painter.drawImage(source, MapPicture, source);
    painter.restore();
}

void TMapView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (MapPicture.isNull()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap, EmptyViewText());
        return;
    }
    PaintPicture(painter, event->rect());
    const QTransform toView = ToViewTransform();
    if (Overlay) {
        Overlay(painter, toView, CurrentScale);
        return;
    }
    if (PlacesKnown)
        tavrin::PaintCutOffMarks(painter, toView, CurrentScale, CutOff, Colours);
    tavrin::PaintRouteMarks(painter, toView, CurrentScale, Marks, Colours);
    if (Coordinates && PlacesKnown)
        tavrin::PaintCoordinates(painter, toView, TilePlaces);
}

QString TMapView::EmptyViewText() const {
    const QString create = tr("Create Map (Ctrl+M) lays out a new map");
    return BackOffered ? create + QLatin1Char('\n') + tr("Back (Alt+Left) brings back the last one")
                       : create;
}

void TMapView::SetBackOffered(bool offered) {
    BackOffered = offered;
    viewport()->update();
}

// A picture smaller than the view moves to stay centred.
void TMapView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    viewport()->update();
    if (Mode.Fit && ScaleFor(Mode) != CurrentScale) {
        ApplyZoom(Mode, {0, 0});
        return;
    }
    UpdateScrollBars();
}

// Moves what is already on screen and repaints only the strip uncovered.
void TMapView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

void TMapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        WheelTurn = 0;
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    // Fine-grained wheels and touchpads send parts of a notch; a step is
    // taken for each whole notch.
    WheelTurn += event->angleDelta().y();
    for (; WheelTurn >= WheelNotch; WheelTurn -= WheelNotch)
        ApplyZoom({false, tavrin::ZoomInStep(CurrentScale)}, event->position());
    for (; WheelTurn <= -WheelNotch; WheelTurn += WheelNotch)
        ApplyZoom({false, tavrin::ZoomOutStep(CurrentScale)}, event->position());
}

tavrin::TLocation TMapView::ClearingUnder(QPointF viewportPoint) const {
    if (!PlacesKnown || MapPicture.isNull())
        return tavrin::NoLocation;
    const QPointF p = ToPicture(viewportPoint);
    const double reach = std::max(tavrin::tileart::ClearingRadius, MinReachOnScreen / CurrentScale);
    return tavrin::ClearingAt(TilePlaces, {p.x(), p.y()}, reach);
}

QString TMapView::HoverText(QPointF viewportPoint) const {
    if (!PlacesKnown || MapPicture.isNull())
        return {};
    const QPointF p = ToPicture(viewportPoint);
    // Outside the picture nothing is drawn, even where a tile was cut off.
    if (!QRectF(MapPicture.rect()).contains(p))
        return {};
    const int tile = tavrin::TileAt(TilePlaces, {p.x(), p.y()});
    if (tile == 0)
        return {};
    const QString line = ListLines.value(tile - 1);
    const tavrin::TLocation clearing = ClearingUnder(viewportPoint);
    if (clearing == tavrin::NoLocation)
        return line;
    return tr("%1, clearing %2").arg(line).arg(clearing.Clearing) + QLatin1Char('\n') +
           tr("Left click: From, right click: To");
}

void TMapView::ShowToolTip(QPoint globalPos, const QString& text) {
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, viewport());
}

void TMapView::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        const tavrin::TLocation clearing = ClearingUnder(event->position());
        if (clearing != tavrin::NoLocation) {
            event->accept();
            emit ClearingClicked(clearing, button);
            return;
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

// The cursor shows where a click would choose a clearing; a tooltip on show
// follows the cursor from tile to tile and clearing to clearing.
void TMapView::mouseMoveEvent(QMouseEvent* event) {
    const bool onClearing = ClearingUnder(event->position()) != tavrin::NoLocation;
    viewport()->setCursor(onClearing ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (QToolTip::isVisible()) {
        const QString text = HoverText(event->position());
        if (text != QToolTip::text())
            ShowToolTip(event->globalPosition().toPoint(), text);
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

bool TMapView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        ShowToolTip(help->globalPos(), HoverText(help->pos()));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
