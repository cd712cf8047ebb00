#include "picture/capture_picture.h"

#include "picture/plot_painter.h"

#include <QImage>

namespace orvant {

QImage firstLoadPicture(const CurveTable &curve)
{
    QImage picture(kPlotAreaPixels.width, kPlotAreaPixels.height, QImage::Format_RGB32);
    picture.fill(QColor::fromRgb(kPlotBackgroundRgb));
    PenState pen;
    paintPlotCommands(picture, kPlotAreaPixels, 1.0, graticuleCommands(), pen);
    // The first activation makes black the next colour.
    paintPlotCommands(picture, kPlotAreaPixels, 1.0, curveCommands(curve, 1), pen);
    return picture;
}

} // namespace orvant
