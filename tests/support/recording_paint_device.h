#pragma once
// A paint device that keeps what a painter is asked to draw instead of
// drawing it: every text with its box, every image with its target, and the
// bounds of every other shape, all in device units. Tests read the words of
// a painted page and check that nothing lands outside it.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <QTextItem>
#include <climits>

class TRecordingPaintEngine : public QPaintEngine {
public:
    TRecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QStringList Texts;       // in the order drawn
    QList<QRectF> TextBoxes; // one per text: from its ascent to its descent
    QList<QRectF> Images;
    QList<QRectF> Shapes;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        Texts << item.text();
        TextBoxes << QRectF(at.x(), at.y() - item.ascent(), item.width(),
                            item.ascent() + item.descent());
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { Images << r; }
    void drawImage(const QRectF& r, const QImage&, const QRectF&,
                   Qt::ImageConversionFlags) override {
        Images << r;
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            Shapes << rects[i];
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            Shapes << QRectF(lines[i].p1(), lines[i].p2()).normalized();
    }
    void drawPath(const QPainterPath& path) override { Shapes << path.boundingRect(); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
        Shapes << QPolygonF(QList<QPointF>(points, points + count)).boundingRect();
    }
};

class TRecordingPaintDevice : public QPaintDevice {
public:
    TRecordingPaintDevice(QSize size, int dpi) : Size(size), Dpi(dpi) {}
    ~TRecordingPaintDevice() override = default;

    TRecordingPaintEngine& Recorded() const { return Engine; }
    QPaintEngine* paintEngine() const override { return &Engine; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return Size.width();
        case PdmHeight:
            return Size.height();
        case PdmWidthMM:
            return Size.width() * 254 / (10 * Dpi);
        case PdmHeightMM:
            return Size.height() * 254 / (10 * Dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return Dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    QSize Size;
    int Dpi;
    mutable TRecordingPaintEngine Engine;
};
