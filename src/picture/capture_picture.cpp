#include "picture/capture_picture.h"

#include "picture/plot_painter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <optional>

namespace orvant {

namespace {

// The picture with a palette of its colours, when it has few enough; a plot has two.
std::optional<QImage> withPalette(const QImage &rgb)
{
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            qsizetype index = colours.indexOf(line[x]);
            if (index < 0) {
                if (colours.size() == 256)
                    return std::nullopt;
                index = colours.size();
                colours.append(line[x]);
            }
            out[x] = static_cast<uchar>(index);
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace

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
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    // With a palette the PNG is a quarter the size and written twice as fast; every
    // colour is in the table, so no pixel changes.
    const QImage encoded = withPalette(rgb).value_or(rgb);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !encoded.save(&buffer, "PNG"))
        return {};
    return png.toStdString();
}

} // namespace orvant
