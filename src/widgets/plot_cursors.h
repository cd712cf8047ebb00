#pragma once

#include "measure/cursor_readout.h"
#include "measure/pulse_marks.h"
#include "rules/plot_geometry.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace orvant {

// Measuring cursors drawn over the plot, never into its picture: a transparent
// layer on top of it, which also shows where a measurement was made. Pressing the left button and
// dragging spans the two time and two voltage cursors; a press near one cursor then drags that one
// alone.
class PlotCursors : public QWidget
{
    Q_OBJECT

public:
    // Covers `plot` and follows its size.
    explicit PlotCursors(QWidget *plot);

    const std::optional<CursorBox> &box() const { return box_; }
    void hideCursors();
    // The readout's lines, shown in the plot's top left corner while cursors show.
    void setReadout(const QStringList &lines);
    // Where a measurement was made; none: no marks.
    void setMarks(std::vector<PulseMark> marks);
    // A reference curve drawn dashed under the cursors; empty: none.
    void setReference(std::vector<std::int16_t> values);
    const std::vector<std::int16_t> &reference() const { return reference_; }
    const std::vector<PulseMark> &marks() const { return marks_; }

signals:
    void boxChanged(const std::optional<CursorBox> &box);

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
    Grip gripAt(QPointF position) const;
    void setBox(std::optional<CursorBox> box);

    std::optional<CursorBox> box_;
    Grip dragging_ = Grip::None;
    QStringList readout_;
    std::vector<PulseMark> marks_;
    std::vector<std::int16_t> reference_;
};

} // namespace orvant
