#pragma once

#include "picture/plot_painter.h"
#include "rules/plot_drawing.h"
#include "rules/plot_geometry.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <span>
#include <vector>

namespace orvant {

class CurveTable;

// The plot area: a retained drawing surface in the plot's logical units. What
// is drawn stays in an image of the widget's size in device pixels until
// clear(); paintEvent only shows it. Pen width and current point persist between
// calls. What was drawn since the last clear() is kept as data (the graticule, each
// curve as its samples and colour), so a change of the device-pixel ratio (the window
// moves to another screen) draws it again sharp.
//
// Drawing is aliased and pixel-exact (see paintPlotCommands).
class PicCurve : public QWidget
{
    Q_OBJECT

public:
    explicit PicCurve(QWidget *parent = nullptr);

    void setPenWidth(int pixels);
    int penWidth() const { return pen_.penWidth; }
    PlotPoint currentPoint() const { return pen_.current; }

    // Each call draws in `colour`, or in the foreground colour without one, and
    // makes its end point the current point.
    void line(PlotPoint from, PlotPoint to, PlotColour colour = std::nullopt);
    void lineTo(PlotPoint to, PlotColour colour = std::nullopt);
    // Replays drawing calls, each with its own pen width.
    void draw(std::span<const PlotCommand> commands);
    void draw(PlotDrawing drawing);
    // What was drawn since the last clear, in order.
    const std::vector<PlotDrawing> &drawings() const { return sinceClear_; }
    // Changes whenever drawings() does: a view of them looks again only then.
    std::uint64_t drawingsVersion() const { return drawingsVersion_; }
    // Empties the area (curves and graticule) and resets the current point.
    void clear();

    // Curves drawn since the last clear.
    int curveCount() const { return curveCount_; }
    void addCurve();

    // What the area holds, one image pixel per device pixel (per widget pixel
    // at ratio 1).
    const QImage &image() const;
    // The drawing calls of what was drawn since the last clear, in order.
    std::vector<PlotCommand> commands() const;

signals:
    void curveCountChanged(int curves);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitImage() const;
    void replay(std::span<const PlotCommand> commands) const;

    // Follow the widget's size and ratio lazily: a hidden widget gets no events.
    mutable QImage image_;
    mutable qreal ratio_ = 1;
    mutable PenState pen_;
    std::vector<PlotDrawing> sinceClear_;
    std::uint64_t drawingsVersion_ = 0;
    int curveCount_ = 0;
};

// Places the area on its window and draws the graticule over what it holds.
void drawGraticule(PicCurve &plot);
// Draws the curve of samples 1 to 512 in the next colour over what the area holds.
void drawCurve(PicCurve &plot, const CurveTable &curve, int nextColour);

} // namespace orvant
