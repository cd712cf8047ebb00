#include "widgets/plot_cursors.h"

#include "widgets/plot_marks.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <utility>

namespace orvant {

namespace {

// Green: none of the four curve colours and not the graticule's black.
const QColor kCursorColour(0, 140, 0);
constexpr double kGripPixels = 4;

} // namespace

PlotCursors::PlotCursors(QWidget *plot)
    : QWidget(plot)
{
    setObjectName(QStringLiteral("plotCursors"));
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setGeometry(plot->rect());
    plot->installEventFilter(this);
    setAccessibleName(QStringLiteral("Cursor readout"));
}

bool PlotCursors::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(static_cast<QWidget *>(watched)->rect());
    return false;
}

PlotPoint PlotCursors::plotPoint(QPointF position) const
{
    return plotPointAt({position.x(), position.y()}, {width(), height()});
}

QPointF PlotCursors::widgetPoint(PlotPoint point) const
{
    const ExactPixel exact = exactPixel(point, {width(), height()});
    return {exact.x, exact.y};
}

PlotCursors::Grip PlotCursors::gripAt(QPointF position) const
{
    if (!box_)
        return Grip::None;
    const QPointF first = widgetPoint({box_->t1, box_->v1});
    const QPointF second = widgetPoint({box_->t2, box_->v2});
    const auto near = [](double a, double b) {
        return std::abs(a - b) <= kGripPixels;
    };
    if (near(position.x(), first.x()))
        return Grip::T1;
    if (near(position.x(), second.x()))
        return Grip::T2;
    if (near(position.y(), first.y()))
        return Grip::V1;
    if (near(position.y(), second.y()))
        return Grip::V2;
    return Grip::None;
}

void PlotCursors::setBox(std::optional<CursorBox> box)
{
    box_ = box;
    setAccessibleDescription(box_ ? readout_.join(QStringLiteral(", ")) : QString());
    update();
    emit boxChanged(box_);
}

void PlotCursors::hideCursors()
{
    dragging_ = Grip::None;
    if (box_)
        setBox(std::nullopt);
}

void PlotCursors::setReadout(const QStringList &lines)
{
    readout_ = lines;
    if (box_)
        setAccessibleDescription(readout_.join(QStringLiteral(", ")));
    update();
}

void PlotCursors::setMarks(std::vector<PulseMark> marks)
{
    if (marks == marks_)
        return;
    marks_ = std::move(marks);
    update();
}

void PlotCursors::setReference(std::vector<std::int16_t> values)
{
    if (values == reference_)
        return;
    reference_ = std::move(values);
    update();
}

void PlotCursors::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    dragging_ = gripAt(event->position());
    if (dragging_ == Grip::None) {
        const PlotPoint at = plotPoint(event->position());
        dragging_ = Grip::Corner;
        setBox(CursorBox {at.x, at.x, at.y, at.y});
    }
}

void PlotCursors::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ == Grip::None || !box_)
        return QWidget::mouseMoveEvent(event);
    const PlotPoint at = plotPoint(event->position());
    CursorBox box = *box_;
    switch (dragging_) {
    case Grip::Corner:
        box.t2 = at.x;
        box.v2 = at.y;
        break;
    case Grip::T1:
        box.t1 = at.x;
        break;
    case Grip::T2:
        box.t2 = at.x;
        break;
    case Grip::V1:
        box.v1 = at.y;
        break;
    case Grip::V2:
        box.v2 = at.y;
        break;
    case Grip::None:
        break;
    }
    setBox(box);
}

void PlotCursors::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = Grip::None;
    QWidget::mouseReleaseEvent(event);
}

void PlotCursors::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintReferenceCurve(painter, reference_, {width(), height()});
    paintPulseMarks(painter, marks_, {width(), height()});
    if (!box_)
        return;
    painter.setPen(QPen(kCursorColour, 1, Qt::DashLine));
    const QPointF first = widgetPoint({box_->t1, box_->v1});
    const QPointF second = widgetPoint({box_->t2, box_->v2});
    for (const double x : {first.x(), second.x()})
        painter.drawLine(QPointF(x, 0), QPointF(x, height()));
    for (const double y : {first.y(), second.y()})
        painter.drawLine(QPointF(0, y), QPointF(width(), y));
    if (readout_.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    int textWidth = 0;
    for (const QString &line : readout_)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QRect panel(8, 8, textWidth + 12, lineHeight * static_cast<int>(readout_.size()) + 8);
    painter.fillRect(panel, QColor(255, 255, 255, 220));
    painter.setPen(kCursorColour.darker(150));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    for (int i = 0; i < readout_.size(); ++i)
        painter.drawText(panel.left() + 6, panel.top() + 4 + metrics.ascent() + i * lineHeight,
                         readout_[i]);
}

} // namespace orvant
