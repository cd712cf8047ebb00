#include "widgets/pic_curve.h"

#include "widgets/twips.h"

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
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitImage();
}

void PicCurve::setPenWidth(int pixels)
{
    pen_.penWidth = std::max(1, pixels);
}

void PicCurve::fitImage() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    if (image_.size() == deviceSize && ratio == ratio_)
        return;
    QImage fitted(deviceSize, QImage::Format_RGB32);
    fitted.fill(colourOf(kPlotBackgroundRgb));
    if (ratio == ratio_) {
        // A retained surface keeps its drawing when the area changes size.
        QPainter(&fitted).drawImage(0, 0, image_);
        image_ = std::move(fitted);
        return;
    }
    // Another ratio: the calls since the last clear are drawn again at it.
    image_ = std::move(fitted);
    ratio_ = ratio;
    pen_.current = {};
    for (const PlotDrawing &drawing : sinceClear_)
        replay(commandsOf(drawing));
}

const QImage &PicCurve::image() const
{
    fitImage();
    return image_;
}

void PicCurve::replay(std::span<const PlotCommand> commands) const
{
    if (!image_.isNull()) {
        paintPlotCommands(image_, {width(), height()}, ratio_, commands, pen_);
    } else if (!commands.empty()) {
        // An area without pixels still follows the calls.
        pen_ = {std::max(1, commands.back().penWidth), commands.back().to};
    }
}

void PicCurve::draw(std::span<const PlotCommand> commands)
{
    fitImage();
    sinceClear_.insert(sinceClear_.end(), commands.begin(), commands.end());
    ++drawingsVersion_;
    replay(commands);
    update();
}

std::vector<PlotCommand> PicCurve::commands() const
{
    std::vector<PlotCommand> all;
    for (const PlotDrawing &drawing : sinceClear_) {
        const std::vector<PlotCommand> calls = commandsOf(drawing);
        all.insert(all.end(), calls.begin(), calls.end());
    }
    return all;
}

void PicCurve::draw(PlotDrawing drawing)
{
    fitImage();
    replay(commandsOf(drawing));
    sinceClear_.push_back(std::move(drawing));
    ++drawingsVersion_;
    update();
}

void PicCurve::line(PlotPoint from, PlotPoint to, PlotColour colour)
{
    const PlotCommand command {PlotOp::Line, pen_.penWidth, from, to, colour};
    draw({&command, 1});
}

void PicCurve::lineTo(PlotPoint to, PlotColour colour)
{
    const PlotCommand command {PlotOp::LineTo, pen_.penWidth, {}, to, colour};
    draw({&command, 1});
}

void PicCurve::clear()
{
    fitImage();
    image_.fill(colourOf(kPlotBackgroundRgb));
    pen_.current = {};
    sinceClear_.clear();
    ++drawingsVersion_;
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
    plot.draw(GraticuleDrawing {});
}

void drawCurve(PicCurve &plot, const CurveTable &curve, int nextColour)
{
    plot.draw(curveDrawingOf(curve, nextColour));
    // A lone dot, for a next colour without a curve colour, is no curve.
    if (curveColour(nextColour))
        plot.addCurve();
}

} // namespace orvant
