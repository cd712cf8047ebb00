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

} // namespace orvant
