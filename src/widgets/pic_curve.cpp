#include "widgets/pic_curve.h"

#include "widgets/twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

QColor colourOf(unsigned rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPoint devicePoint(PlotPoint point, QSize area, double ratio)
{
    const Pixel pixel = toDevicePixel(point, {area.width(), area.height()}, ratio);
    return {pixel.x, pixel.y};
}

} // namespace

PicCurve::PicCurve(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

void PicCurve::setPenWidth(int pixels)
{
    penWidth_ = std::max(1, pixels);
}

void PicCurve::fitImage() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    if (image_.size() == deviceSize && ratio == ratio_)
        return;
    QImage fitted(deviceSize, QImage::Format_RGB32);
    fitted.fill(colourOf(kBackgroundRgb));
    if (ratio == ratio_) {
        // A retained surface keeps its drawing when the area changes size.
        QPainter(&fitted).drawImage(0, 0, image_);
        image_ = std::move(fitted);
        return;
    }
    // Another ratio: the calls since the last clear are drawn again at it.
    image_ = std::move(fitted);
    ratio_ = ratio;
    current_ = {};
    replay(sinceClear_);
}

const QImage &PicCurve::image() const
{
    fitImage();
    return image_;
}

void PicCurve::paint(QPainter &painter, const PlotCommand &command) const
{
    penWidth_ = std::max(1, command.penWidth);
    const QColor colour = colourOf(command.colour.value_or(kForegroundRgb));
    const int devicePenWidth = std::max(1, static_cast<int>(std::lround(penWidth_ * ratio_)));
    painter.setPen(QPen(colour, devicePenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPoint to = devicePoint(command.to, size(), ratio_);
    switch (command.op) {
    case PlotOp::Dot:
        painter.drawPoint(to);
        break;
    case PlotOp::Line:
        painter.drawLine(devicePoint(command.from, size(), ratio_), to);
        break;
    case PlotOp::LineTo:
        painter.drawLine(devicePoint(current_, size(), ratio_), to);
        break;
    }
    current_ = command.to;
}

void PicCurve::replay(std::span<const PlotCommand> commands) const
{
    if (!image_.isNull()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const PlotCommand &command : commands)
            paint(painter, command);
    } else if (!commands.empty()) {
        // An area without pixels still follows the calls.
        penWidth_ = std::max(1, commands.back().penWidth);
        current_ = commands.back().to;
    }
}

void PicCurve::draw(std::span<const PlotCommand> commands)
{
    fitImage();
    sinceClear_.insert(sinceClear_.end(), commands.begin(), commands.end());
    replay(commands);
    update();
}

void PicCurve::line(PlotPoint from, PlotPoint to, PlotColour colour)
{
    const PlotCommand command {PlotOp::Line, penWidth_, from, to, colour};
    draw({&command, 1});
}

void PicCurve::lineTo(PlotPoint to, PlotColour colour)
{
    const PlotCommand command {PlotOp::LineTo, penWidth_, {}, to, colour};
    draw({&command, 1});
}

void PicCurve::clear()
{
    fitImage();
    image_.fill(colourOf(kBackgroundRgb));
    current_ = {};
    sinceClear_.clear();
    if (curveCount_ != 0) {
        curveCount_ = 0;
        emit curveCountChanged(curveCount_);
    }
    update();
}

void PicCurve::addCurve()
{
    ++curveCount_;
    emit curveCountChanged(curveCount_);
}

void PicCurve::paintEvent(QPaintEvent *event)
{
    fitImage();
    const QRectF area = event->rect();
    const QRectF source(area.topLeft() * ratio_, area.size() * ratio_);
    QPainter(this).drawImage(area, image_, source);
}

void PicCurve::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitImage();
}

void drawGraticule(PicCurve &plot)
{
    // A plot outside a window has no place to take (and must not become one).
    if (plot.parentWidget()) {
        plot.setGeometry(twipsRect(3720, 2760, 11000, 8780));
        plot.setEnabled(true);
        plot.setVisible(true);
    }
    plot.draw(graticuleCommands());
}

void drawCurve(PicCurve &plot, const CurveTable &curve, int nextColour)
{
    plot.draw(curveCommands(curve, nextColour));
    // A lone dot, for a next colour without a curve colour, is no curve.
    if (curveColour(nextColour))
        plot.addCurve();
}

} // namespace orvant
