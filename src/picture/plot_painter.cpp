#include "picture/plot_painter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

QPoint devicePoint(PlotPoint point, PixelSize area, double ratio)
{
    const Pixel pixel = toDevicePixel(point, area, ratio);
    return {pixel.x, pixel.y};
}

// Where the image's pixels of a pen `width` wide lie around the point's pixel.
QPointF vectorPoint(PlotPoint point, PixelSize area, double width)
{
    const Pixel pixel = toDevicePixel(point, area, 1.0);
    const double offset = std::lround(width) % 2 == 1 ? 0.5 : 0.0;
    return {pixel.x + offset, pixel.y + offset};
}

} // namespace

void paintPlotCommands(QImage &image, PixelSize area, double ratio,
                       std::span<const PlotCommand> commands, PenState &pen)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PlotCommand &command : commands) {
        pen.penWidth = std::max(1, command.penWidth);
        const QColor colour = QColor::fromRgb(command.colour.value_or(kPlotForegroundRgb));
        const int devicePenWidth = std::max(1, static_cast<int>(std::lround(pen.penWidth * ratio)));
        painter.setPen(QPen(colour, devicePenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        const QPoint to = devicePoint(command.to, area, ratio);
        switch (command.op) {
        case PlotOp::Dot:
            painter.drawPoint(to);
            break;
        case PlotOp::Line:
            painter.drawLine(devicePoint(command.from, area, ratio), to);
            break;
        case PlotOp::LineTo:
            painter.drawLine(devicePoint(pen.current, area, ratio), to);
            break;
        }
        pen.current = command.to;
    }
}

void paintPlotVectors(QPainter &painter, PixelSize area, std::span<const PlotCommand> commands,
                      PenState &pen, double minimumPenWidth)
{
    for (const PlotCommand &command : commands) {
        pen.penWidth = std::max(1, command.penWidth);
        const QColor colour = QColor::fromRgb(command.colour.value_or(kPlotForegroundRgb));
        const double width = std::max(minimumPenWidth, double(pen.penWidth));
        const QPointF to = vectorPoint(command.to, area, pen.penWidth);
        switch (command.op) {
        case PlotOp::Dot:
            painter.fillRect(QRectF(to.x() - width / 2, to.y() - width / 2, width, width), colour);
            break;
        case PlotOp::Line:
        case PlotOp::LineTo: {
            const PlotPoint from = command.op == PlotOp::Line ? command.from : pen.current;
            painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawLine(vectorPoint(from, area, pen.penWidth), to);
            break;
        }
        }
        pen.current = command.to;
    }
}

} // namespace orvant
