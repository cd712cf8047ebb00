#include "viewer/pic_curve.h"

#include "viewer/twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace orvant {

namespace {

QColor colourOf(unsigned rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

} // namespace

PicCurve::PicCurve(QWidget *parent)
    : QWidget(parent)
    , image_(size(), QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(colourOf(kBackgroundRgb));
}

void PicCurve::setPenWidth(int pixels)
{
    penWidth_ = std::max(1, pixels);
}

void PicCurve::fitImage() const
{
    if (image_.size() == size())
        return;
    // A retained surface keeps its drawing when the area changes size.
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(colourOf(kBackgroundRgb));
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = std::move(resized);
}

const QImage &PicCurve::image() const
{
    fitImage();
    return image_;
}

void PicCurve::paint(QPainter &painter, const PlotCommand &command)
{
    setPenWidth(command.penWidth);
    const QColor colour = colourOf(command.colour.value_or(kForegroundRgb));
    painter.setPen(QPen(colour, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPoint to = toPixel(command.to, image_.size());
    switch (command.op) {
    case PlotOp::Dot:
        painter.drawPoint(to);
        break;
    case PlotOp::Line:
        painter.drawLine(toPixel(command.from, image_.size()), to);
        break;
    case PlotOp::LineTo:
        painter.drawLine(toPixel(current_, image_.size()), to);
        break;
    }
    current_ = command.to;
}

void PicCurve::draw(std::span<const PlotCommand> commands)
{
    fitImage();
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

void PicCurve::dot(PlotPoint at, PlotColour colour)
{
    const PlotCommand command {PlotOp::Dot, penWidth_, {}, at, colour};
    draw({&command, 1});
}

void PicCurve::clear()
{
    fitImage();
    image_.fill(colourOf(kBackgroundRgb));
    current_ = {};
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
    QPainter(this).drawImage(event->rect(), image_, event->rect());
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
