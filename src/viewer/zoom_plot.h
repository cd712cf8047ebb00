#pragma once

#include "measure/shown_scale.h"
#include "measure/sinc_interpolation.h"
#include "measure/zoom_span.h"
#include "measure/zoom_trace.h"

#include <QColor>
#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orvant {

// A curve the Zoom window draws: its samples (values[0] is sample 1) and colour.
struct ZoomCurve
{
    std::vector<std::int16_t> values;
    QColor colour;
};

// The curves over a span of the record on a grid labelled in the shown units, the
// reference dashed. The wheel zooms time around the pointer (with Shift the values),
// the left button pans, the right button zooms to the rectangle dragged; Backspace
// undoes the last zoom, Home shows the whole record, + and - zoom time around the
// centre and the arrow keys pan. Samples 4 pixels apart or more show as dots.
class ZoomPlot : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomPlot(QWidget *parent = nullptr);

    void setCurves(std::vector<ZoomCurve> curves, std::optional<ZoomCurve> reference,
                   const ShownScale &scale);
    void setInterpolation(Interpolation interpolation);

    const ZoomSpan &span() const { return history_.shown(); }
    // The span over the pixels where the curves are drawn.
    ZoomView view() const;
    // The span's width in pixels, where the curves are drawn.
    double plotWidth() const;
    bool showsDots() const;
    int curveCount() const { return static_cast<int>(curves_.size()); }
    bool hasReference() const { return reference_.has_value(); }
    Interpolation interpolation() const { return interpolation_; }

signals:
    // The span or the widget's size changed.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What a trace was made for: a repaint of the same view (under a cursor being
    // dragged) draws it again without working it out anew.
    struct TraceKey
    {
        ZoomSpan span;
        Interpolation interpolation;
        int points;
        bool operator==(const TraceKey &) const = default;
    };
    struct Shown
    {
        ZoomCurve curve;
        // Made when first drawn as sin(x)/x, and kept for the same samples at the next
        // setCurves(): a load with the window open works out only its new curve.
        mutable std::shared_ptr<const SincReconstruction> sinc;
        mutable std::optional<TraceKey> tracedFor;
        mutable std::vector<TracePoint> trace;
    };

    QRectF area() const;
    QPointF pointOf(double sample, double code) const;
    void zoomTo(const ZoomSpan &span);
    void moveTo(const ZoomSpan &span);
    void drawGrid(QPainter &painter) const;
    void drawCurve(QPainter &painter, const Shown &shown, Qt::PenStyle style) const;
    // Whether lines are drawn smooth: many curves are drawn sharp, to stay quick.
    bool smooth() const;
    // Works out the trace of every curve not yet traced for the view shown.
    void traceAll() const;

    // What the picture of the grid and curves was drawn for: cursors dragged over an
    // unchanged view repaint from it.
    struct PictureKey
    {
        ZoomView view;
        double ratio;
        Interpolation interpolation;
        std::uint64_t curves;
        bool operator==(const PictureKey &) const = default;
    };
    void drawPicture(QPainter &painter) const;

    std::vector<Shown> curves_;
    std::uint64_t curvesSet_ = 0; // counts setCurves()
    QPixmap picture_;
    std::optional<PictureKey> pictureFor_;
    std::optional<Shown> reference_;
    ShownScale scale_;
    Interpolation interpolation_ = Interpolation::Lines;
    ZoomHistory history_;
    // A drag under way: where it started and the span then.
    std::optional<QPointF> panFrom_;
    ZoomSpan panSpan_;
    std::optional<QPointF> boxFrom_;
    QPointF boxTo_;
};

} // namespace orvant
