#include "viewer/zoom_plot.h"

#include "measure/zoom_axis.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <map>

namespace orvant {

namespace {

constexpr double kLeftMargin = 72;
constexpr double kBottomMargin = 24;
constexpr double kMargin = 10;
constexpr double kWheelStep = 1.25; // a notch of the wheel
constexpr double kKeyStep = 2.0; // + and -
constexpr double kKeyPan = 0.1; // of the span, an arrow key
constexpr double kSmallestBox = 4; // pixels: a smaller right drag is no rectangle
constexpr double kDotRadius = 2.5;
constexpr std::size_t kSmoothCurves = 8;
const QColor kBackground(255, 255, 255);
const QColor kGrid(205, 205, 205);

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

ZoomPlot::ZoomPlot(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("zoomPlot"));
    setAccessibleName(QStringLiteral("Zoomed curves"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(320, 200);
}

void ZoomPlot::setCurves(std::vector<ZoomCurve> curves, std::optional<ZoomCurve> reference,
                         const ShownScale &scale)
{
    std::map<std::vector<std::int16_t>, std::shared_ptr<const SincReconstruction>> made;
    const auto keep = [&made](const Shown &shown) {
        if (shown.sinc)
            made.emplace(shown.curve.values, shown.sinc);
    };
    std::for_each(curves_.begin(), curves_.end(), keep);
    if (reference_)
        keep(*reference_);
    const auto shownOf = [&made](ZoomCurve curve) {
        const auto found = made.find(curve.values);
        auto sinc = found != made.end() ? found->second : nullptr;
        return Shown {std::move(curve), std::move(sinc), {}, {}};
    };
    curves_.clear();
    for (ZoomCurve &curve : curves)
        curves_.push_back(shownOf(std::move(curve)));
    reference_.reset();
    if (reference)
        reference_ = shownOf(std::move(*reference));
    scale_ = scale;
    ++curvesSet_;
    update();
}

void ZoomPlot::setInterpolation(Interpolation interpolation)
{
    interpolation_ = interpolation;
    update();
}

QRectF ZoomPlot::area() const
{
    return QRectF(rect()).adjusted(kLeftMargin, kMargin, -kMargin, -kBottomMargin);
}

double ZoomPlot::plotWidth() const
{
    return area().width();
}

bool ZoomPlot::showsDots() const
{
    return orvant::showsDots(span(), plotWidth());
}

ZoomView ZoomPlot::view() const
{
    const QRectF a = area();
    return {span(), a.left(), a.top(), a.width(), a.height()};
}

QPointF ZoomPlot::pointOf(double sample, double code) const
{
    const ZoomView shown = view();
    return {xOfSample(shown, sample), yOfCode(shown, code)};
}

void ZoomPlot::zoomTo(const ZoomSpan &next)
{
    history_.zoom(next);
    update();
    emit viewChanged();
}

void ZoomPlot::moveTo(const ZoomSpan &next)
{
    history_.move(next);
    update();
    emit viewChanged();
}

void ZoomPlot::drawGrid(QPainter &painter) const
{
    const QRectF a = area();
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kGrid, 1));
    painter.drawRect(a);
    for (const ZoomTick &tick : timeTicks(span(), scale_.time)) {
        const double x = pointOf(tick.at, 0).x();
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(x, a.top()), QPointF(x, a.bottom()));
        const QString text = fromUtf8(tick.text);
        painter.setPen(palette().color(QPalette::WindowText));
        // Centred under its line, yet whole where the line is near the right edge.
        const double textWidth = metrics.horizontalAdvance(text);
        const double left = std::min(x - textWidth / 2, width() - textWidth - 1);
        painter.drawText(QPointF(left, a.bottom() + metrics.ascent() + 4), text);
    }
    for (const ZoomTick &tick : valueTicks(span(), scale_.volts)) {
        const double y = pointOf(span().firstSample, tick.at).y();
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(a.left(), y), QPointF(a.right(), y));
        const QString text = fromUtf8(tick.text);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            QPointF(a.left() - metrics.horizontalAdvance(text) - 6, y + metrics.ascent() / 2 - 1),
            text);
    }
}

bool ZoomPlot::smooth() const
{
    return curves_.size() <= kSmoothCurves;
}

void ZoomPlot::traceAll() const
{
    // Two points a pixel: smooth at any zoom; one where lines are drawn sharp.
    const double perPixel = smooth() ? 2 : 1;
    const int points = static_cast<int>(std::ceil(perPixel * plotWidth()));
    const TraceKey key {span(), interpolation_, points};
    std::vector<const Shown *> stale;
    for (const Shown &shown : curves_) {
        if (shown.tracedFor != key)
            stale.push_back(&shown);
    }
    if (reference_ && reference_->tracedFor != key)
        stale.push_back(&*reference_);
    std::vector<const SincReconstruction *> reconstructions;
    for (const Shown *shown : stale) {
        shown->tracedFor = key;
        switch (interpolation_) {
        case Interpolation::Steps:
            shown->trace = stepTrace(shown->curve.values, span());
            break;
        case Interpolation::Lines:
            shown->trace = lineTrace(shown->curve.values, span());
            break;
        case Interpolation::Sinc:
            if (!shown->sinc)
                shown->sinc = std::make_shared<const SincReconstruction>(shown->curve.values);
            reconstructions.push_back(shown->sinc.get());
            break;
        }
    }
    if (reconstructions.empty())
        return;
    // All at once: the kernel's weights are shared by every curve at a point.
    auto traces = sincTraces(reconstructions, span(), points);
    for (std::size_t i = 0; i < stale.size(); ++i)
        stale[i]->trace = std::move(traces[i]);
}

void ZoomPlot::drawCurve(QPainter &painter, const Shown &shown, Qt::PenStyle style) const
{
    const auto &points = shown.trace;
    if (points.empty())
        return;
    QPainterPath trace(pointOf(points.front().sample, points.front().code));
    for (const TracePoint &point : points)
        trace.lineTo(pointOf(point.sample, point.code));
    painter.setPen(QPen(shown.curve.colour, 2, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
    if (!showsDots())
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(shown.curve.colour);
    const SampleWindow samples = samplesAround(span(), static_cast<int>(shown.curve.values.size()));
    for (int k = samples.first; k <= samples.last; ++k)
        painter.drawEllipse(pointOf(k, shown.curve.values[static_cast<std::size_t>(k - 1)]),
                            kDotRadius, kDotRadius);
}

void ZoomPlot::drawPicture(QPainter &painter) const
{
    painter.fillRect(rect(), kBackground);
    drawGrid(painter);
    painter.setClipRect(area());
    traceAll();
    // Smooth lines cost ten times as much: many curves are drawn sharp, to stay quick.
    painter.setRenderHint(QPainter::Antialiasing, smooth());
    for (const Shown &shown : curves_)
        drawCurve(painter, shown, Qt::SolidLine);
    if (reference_)
        drawCurve(painter, *reference_, Qt::DashLine);
}

void ZoomPlot::paintEvent(QPaintEvent *)
{
    const double ratio = devicePixelRatioF();
    const PictureKey key {view(), ratio, interpolation_, curvesSet_};
    if (pictureFor_ != key) {
        picture_ = QPixmap((QSizeF(size()) * ratio).toSize());
        picture_.setDevicePixelRatio(ratio);
        QPainter drawing(&picture_);
        drawPicture(drawing);
        pictureFor_ = key;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (boxFrom_) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(*boxFrom_, boxTo_).normalized());
    }
}

void ZoomPlot::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    // Some systems turn a wheel with Shift held into a sideways one.
    const int turned = delta.y() != 0 ? delta.y() : delta.x();
    if (turned == 0)
        return;
    const double factor = std::pow(kWheelStep, turned / 120.0);
    const QPointF at = event->position();
    if (event->modifiers() & Qt::ShiftModifier)
        zoomTo(zoomValues(span(), factor, codeAtY(view(), at.y())));
    else
        zoomTo(zoomTime(span(), factor, sampleAtX(view(), at.x())));
    event->accept();
}

void ZoomPlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        panFrom_ = event->position();
        panSpan_ = span();
    } else if (event->button() == Qt::RightButton) {
        boxFrom_ = event->position();
        boxTo_ = event->position();
    }
}

void ZoomPlot::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    if (panFrom_) {
        const QRectF a = area();
        const double samples
            = -(at.x() - panFrom_->x()) / a.width() * (panSpan_.lastSample - panSpan_.firstSample);
        const double codes
            = (at.y() - panFrom_->y()) / a.height() * (panSpan_.highCode - panSpan_.lowCode);
        moveTo(pan(panSpan_, samples, codes));
    } else if (boxFrom_) {
        boxTo_ = at;
        update();
    }
}

void ZoomPlot::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        panFrom_.reset();
    } else if (event->button() == Qt::RightButton && boxFrom_) {
        const QPointF from = *boxFrom_;
        const QPointF to = event->position();
        boxFrom_.reset();
        update();
        if (std::abs(to.x() - from.x()) >= kSmallestBox
            && std::abs(to.y() - from.y()) >= kSmallestBox)
            zoomTo(zoomToRectangle(sampleAtX(view(), from.x()), codeAtY(view(), from.y()),
                                   sampleAtX(view(), to.x()), codeAtY(view(), to.y())));
    }
}

void ZoomPlot::keyPressEvent(QKeyEvent *event)
{
    const ZoomSpan &s = span();
    const double centre = (s.firstSample + s.lastSample) / 2;
    const double across = (s.lastSample - s.firstSample) * kKeyPan;
    const double up = (s.highCode - s.lowCode) * kKeyPan;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomTo(zoomTime(s, kKeyStep, centre));
        return;
    case Qt::Key_Minus:
        zoomTo(zoomTime(s, 1 / kKeyStep, centre));
        return;
    case Qt::Key_Left:
        moveTo(pan(s, -across, 0));
        return;
    case Qt::Key_Right:
        moveTo(pan(s, across, 0));
        return;
    case Qt::Key_Up:
        moveTo(pan(s, 0, up));
        return;
    case Qt::Key_Down:
        moveTo(pan(s, 0, -up));
        return;
    case Qt::Key_Backspace:
        if (history_.undo()) {
            update();
            emit viewChanged();
        }
        return;
    case Qt::Key_Home:
        zoomTo(wholeRecord());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ZoomPlot::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit viewChanged();
}

} // namespace orvant
