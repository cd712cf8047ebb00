#include "picture/plot_svg.h"

#include "picture/capture_picture.h"
#include "picture/plot_painter.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace orvant {

std::string plotSvg(std::span<const PlotCommand> commands, PixelSize area)
{
    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize({area.width, area.height});
    // CSS pixels: a viewer shows the picture as large as the PNG.
    generator.setResolution(96);
    generator.setViewBox(QRect(0, 0, area.width, area.height));
    generator.setTitle(QStringLiteral("ORVANT plot"));
    {
        QPainter painter(&generator);
        if (!painter.isActive())
            return {};
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.fillRect(QRect(0, 0, area.width, area.height), QColor::fromRgb(kPlotBackgroundRgb));
        PenState pen;
        paintPlotVectors(painter, area, commands, pen);
    }
    const QByteArray &svg = buffer.data();
    return {svg.constData(), static_cast<std::size_t>(svg.size())};
}

std::string firstLoadSvg(const CurveTable &curve)
{
    return plotSvg(firstLoadCommands(curve), kPlotAreaPixels);
}

} // namespace orvant
