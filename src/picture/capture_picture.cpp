#include "picture/capture_picture.h"

#include "picture/plot_painter.h"

#include <QImage>

namespace orvant {

QImage firstLoadPicture(const CurveTable &curve)
{
    QImage picture(kPlotAreaPixels.width, kPlotAreaPixels.height, QImage::Format_RGB32);
    picture.fill(QColor::fromRgb(kPlotBackgroundRgb));
    PenState pen;
    paintPlotCommands(picture, kPlotAreaPixels, 1.0, firstLoadCommands(curve), pen);
    return picture;
}

std::vector<PlotCommand> firstLoadCommands(const CurveTable &curve)
{
    std::vector<PlotCommand> commands = graticuleCommands();
    // The first activation makes black the next colour.
    const std::vector<PlotCommand> drawn = curveCommands(curve, 1);
    commands.insert(commands.end(), drawn.begin(), drawn.end());
    return commands;
}

} // namespace orvant
