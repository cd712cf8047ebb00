#include "widgets/plot_cursors.h"

#include "widgets/plot_marks.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvant {

namespace {

// Green: none of the four curve colours and not the graticule's black.
const QColor kCursorColour(0, 140, 0);
constexpr double kGripPixels = 4;

} // namespace

PlotCursors::PlotCursors(QWidget *plot, Spanning spanning)
    : QWidget(plot)
    , spanning_(spanning)
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

QRectF PlotCursors::area() const
{
    if (!view_)
        return QRectF(rect());
    return {view_->left, view_->top, view_->width, view_->height};
}

PlotPoint PlotCursors::plotPoint(QPointF position) const
{
    if (!view_)
        return plotPointAt({position.x(), position.y()}, {width(), height()});
    // Within the span shown: a press in the margin takes the nearest edge.
    const ZoomSpan &span = view_->span;
    const double sample
        = std::clamp(sampleAtX(*view_, position.x()), span.firstSample, span.lastSample);
    const double code = std::clamp(codeAtY(*view_, position.y()), span.lowCode, span.highCode);
    return {2 * sample, code};
}

QPointF PlotCursors::widgetPoint(PlotPoint point) const
{
    if (view_)
        return {xOfSample(*view_, point.x / 2), yOfCode(*view_, point.y)};
    const ExactPixel exact = exactPixel(point, {width(), height()});
    return {exact.x, exact.y};
}

PlotCursors::Grip PlotCursors::gripAt(QPointF position) const
{
    if (!box_ || !area().contains(position))
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

void PlotCursors::showBox(std::optional<CursorBox> box)
{
    if (box == box_)
        return;
    if (!box)
        dragging_ = Grip::None;
    box_ = box;
    setAccessibleDescription(box_ ? readout_.join(QStringLiteral(", ")) : QString());
    update();
    emit boxChanged(box_);
}

void PlotCursors::hideCursors()
{
    showBox(std::nullopt);
}

void PlotCursors::setView(std::optional<ZoomView> view)
{
    if (view == view_)
        return;
    view_ = view;
    update();
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
    emit marksChanged();
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
    if (dragging_ != Grip::None)
        return;
    if (spanning_ == Spanning::CtrlDrag && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore(); // the view below pans
        return;
    }
    const PlotPoint at = plotPoint(event->position());
    dragging_ = Grip::Corner;
    showBox(CursorBox {at.x, at.x, at.y, at.y});
}

void PlotCursors::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging_ == Grip::None || !box_) {
        showGrip(gripAt(event->position()));
        return QWidget::mouseMoveEvent(event);
    }
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
    showBox(box);
}

void PlotCursors::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = Grip::None;
    QWidget::mouseReleaseEvent(event);
}

void PlotCursors::showGrip(Grip grip)
{
    switch (grip) {
    case Grip::T1:
    case Grip::T2:
        setCursor(Qt::SplitHCursor);
        break;
    case Grip::V1:
    case Grip::V2:
        setCursor(Qt::SplitVCursor);
        break;
    default:
        unsetCursor();
    }
}

void PlotCursors::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(area());
    const PlotToWidget toWidget = [this](PlotPoint point) {
        return widgetPoint(point);
    };
    paintReferenceCurve(painter, reference_, toWidget);
    paintPulseMarks(painter, marks_, toWidget);
    if (!box_)
        return;
    paintCursors(painter);
    paintReadout(painter);
}

void PlotCursors::paintCursors(QPainter &painter) const
{
    const QRectF shown = area();
    painter.setPen(QPen(kCursorColour, 1, Qt::DashLine));
    const QPointF first = widgetPoint({box_->t1, box_->v1});
    const QPointF second = widgetPoint({box_->t2, box_->v2});
    for (const double x : {first.x(), second.x()})
        painter.drawLine(QPointF(x, shown.top()), QPointF(x, shown.bottom()));
    for (const double y : {first.y(), second.y()})
        painter.drawLine(QPointF(shown.left(), y), QPointF(shown.right(), y));
}

void PlotCursors::paintReadout(QPainter &painter) const
{
    if (readout_.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    int textWidth = 0;
    for (const QString &line : readout_)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QPoint corner = area().topLeft().toPoint() + QPoint(8, 8);
    const QRect panel(corner.x(), corner.y(), textWidth + 12,
                      lineHeight * static_cast<int>(readout_.size()) + 8);
    painter.fillRect(panel, QColor(255, 255, 255, 220));
    painter.setPen(kCursorColour.darker(150));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    for (int i = 0; i < readout_.size(); ++i)
        painter.drawText(panel.left() + 6, panel.top() + 4 + metrics.ascent() + i * lineHeight,
                         readout_[i]);
}

} // namespace orvant
