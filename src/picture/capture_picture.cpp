#include "picture/capture_picture.h"

#include "picture/plot_painter.h"

#include <QBuffer>
#include <QByteArray>
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

std::string pngBytes(const QImage &picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

} // namespace orvant
