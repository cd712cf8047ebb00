#pragma once

#include "measure/cursor_readout.h"
#include "measure/pulse_marks.h"
#include "measure/zoom_span.h"
#include "rules/plot_geometry.h"

#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace orvant {

// Measuring cursors drawn over the plot, never into its picture: a transparent
// layer on top of it, which also shows where a measurement was made. Pressing the left button and
// dragging spans the two time and two voltage cursors; a press near one cursor then drags that one
// alone. Over a zoomed view of the record the same cursors lie where the view shows their
// units, and only a drag with Ctrl spans them: a plain drag is the view's own.
class PlotCursors : public QWidget
{
    Q_OBJECT

public:
    enum class Spanning { Drag, CtrlDrag };

    // Covers `plot` and follows its size.
    explicit PlotCursors(QWidget *plot, Spanning spanning = Spanning::Drag);

    const std::optional<CursorBox> &box() const { return box_; }
    // Shows the cursors at `box` (none: hidden), as a drag would.
    void showBox(std::optional<CursorBox> box);
    void hideCursors();
    // The part of the record shown and where; none: the layer shows the whole plot.
    void setView(std::optional<ZoomView> view);
    // The readout's lines, shown in the plot's top left corner while cursors show.
    void setReadout(const QStringList &lines);
    const QStringList &readout() const { return readout_; }
    // Where a measurement was made; none: no marks.
    void setMarks(std::vector<PulseMark> marks);
    // A reference curve drawn dashed under the cursors; empty: none.
    void setReference(std::vector<std::int16_t> values);
    const std::vector<std::int16_t> &reference() const { return reference_; }
    const std::vector<PulseMark> &marks() const { return marks_; }

signals:
    void boxChanged(const std::optional<CursorBox> &box);
    void marksChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Grip { None, Corner, T1, T2, V1, V2 };
    PlotPoint plotPoint(QPointF position) const;
    QPointF widgetPoint(PlotPoint point) const;
    // Where the plot's units are shown: the whole layer, or the view's pixels.
    QRectF area() const;
    Grip gripAt(QPointF position) const;
    // The pointer's shape over a cursor: which way it can be dragged.
    void showGrip(Grip grip);
    void paintCursors(QPainter &painter) const;
    void paintReadout(QPainter &painter) const;

    const Spanning spanning_;
    std::optional<ZoomView> view_;
    std::optional<CursorBox> box_;
    Grip dragging_ = Grip::None;
    QStringList readout_;
    std::vector<PulseMark> marks_;
    std::vector<std::int16_t> reference_;
};

} // namespace orvant
