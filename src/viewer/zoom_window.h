#pragma once

#include "measure/shown_scale.h"
#include "measure/zoom_trace.h"
#include "viewer/zoom_plot.h"

#include <QWidget>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;

namespace orvant {

class PlotCursors;

// The non-modal "Zoom" window: the plot's curves over a span of the record that the
// user zooms and pans, the span in the shown units, and how to draw between samples;
// over them a layer of measuring cursors, spanned with Ctrl and a drag and hidden with
// Esc. It shows what it is given; the choice goes out as a signal.
class ZoomWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomWindow(QWidget *parent = nullptr);

    void showCurves(const QString &captureName, std::vector<ZoomCurve> curves,
                    std::optional<ZoomCurve> reference, const ShownScale &scale);
    void showInterpolation(Interpolation interpolation);
    ZoomPlot *plot() const { return plot_; }
    PlotCursors *cursors() const { return cursors_; }

signals:
    void interpolationChosen(Interpolation interpolation);

private:
    void showSpan();

    QLabel *capture_;
    QComboBox *interpolation_;
    QLabel *span_;
    ZoomPlot *plot_;
    PlotCursors *cursors_;
    ShownScale scale_;
};

} // namespace orvant
