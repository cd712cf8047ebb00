#include "picture/capture_picture.h"
#include "picture/plot_painter.h"
#include "picture/plot_svg.h"
#include "shared/curve_sample.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace orvant {
namespace {

CurveTable curveOf(const std::function<int(int)> &valueOf)
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k)
        curve.at(k).sampleValue = static_cast<std::int16_t>(valueOf(k));
    return curve;
}

// The SVG drawn by Qt's own renderer over a colour the plot never has, so that a
// background the SVG left out shows.
QImage rendered(const std::string &svg)
{
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    QImage image(kPlotAreaPixels.width, kPlotAreaPixels.height, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

bool dark(QRgb pixel)
{
    return qGray(pixel) < 96;
}

// The same colour but for the renderer's rounding.
bool close(QRgb a, QRgb b)
{
    constexpr int kRounding = 8;
    return std::abs(qRed(a) - qRed(b)) <= kRounding && std::abs(qGreen(a) - qGreen(b)) <= kRounding
        && std::abs(qBlue(a) - qBlue(b)) <= kRounding;
}

// Whether a pixel of `image` within `radius` pixels of (x, y) satisfies `test`.
bool nearby(const QImage &image, int x, int y, const std::function<bool(QRgb)> &test,
            int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (image.rect().contains(nx, ny) && test(image.pixel(nx, ny)))
                return true;
        }
    return false;
}

// True where every pixel within two pixels of (x, y) has the colour of (x, y): an
// antialiased edge spreads over a pixel, and the aliased curve's square caps widen
// it by another where its segments overlap. Where the SVG blends beside the pixel,
// an edge of its own lies there (the curve beside a graticule line, which the PNG
// shows as one).
bool awayFromEdges(const QImage &image, int x, int y)
{
    const QRgb here = image.pixel(x, y);
    return !nearby(
        image, x, y, [here](QRgb other) { return other != here; }, 2);
}

struct Comparison
{
    int differentAwayFromEdges = 0; // beyond the rounding: must be none
    int lineMissing = 0; // a dark pixel of the PNG without a dark SVG pixel beside it
    int lineExtra = 0; // the other way round
    int exactlyEqual = 0;
};

Comparison compare(const QImage &png, const QImage &svg)
{
    // The PNG's colours; any other colour of the SVG is an antialiased edge's blend.
    std::vector<QRgb> colours;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (std::find(colours.begin(), colours.end(), png.pixel(x, y)) == colours.end())
                colours.push_back(png.pixel(x, y));
    const auto blend = [&colours](QRgb pixel) {
        return std::none_of(colours.begin(), colours.end(),
                            [pixel](QRgb colour) { return close(pixel, colour); });
    };
    Comparison c;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb a = png.pixel(x, y);
            const QRgb b = svg.pixel(x, y);
            c.exactlyEqual += a == b;
            if (!close(a, b) && awayFromEdges(png, x, y) && !nearby(svg, x, y, blend))
                ++c.differentAwayFromEdges;
            if (dark(a) && !nearby(svg, x, y, dark))
                ++c.lineMissing;
            if (dark(b) && !nearby(png, x, y, dark))
                ++c.lineExtra;
        }
    return c;
}

TEST(PlotSvg, TheSvgShowsThePngsPlotWithinTheAntialiasingOfEdges)
{
    const double pi = std::acos(-1.0);
    const struct
    {
        const char *name;
        std::function<int(int)> valueOf;
    } cases[] = {
        {"sine",
         [pi](int k) {
             return int(std::lround(128 + 100 * std::sin(2 * pi * k / 102.4)));
         }},
        {"square",
         [](int k) {
             return k / 40 % 2 == 0 ? 30 : 230;
         }},
        {"ramp",
         [](int k) {
             return k % 256;
         }},
        {"bottom",
         [](int) {
             return 0;
         }},
        {"top",
         [](int) {
             return 255;
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CurveTable curve = curveOf(c.valueOf);
        const std::string svg = firstLoadSvg(curve);
        ASSERT_NE(svg.find("<svg"), std::string::npos);
        EXPECT_EQ(svg.find("<image"), std::string::npos) << "a bitmap in the SVG";
        const QImage png = firstLoadPicture(curve).convertToFormat(QImage::Format_RGB32);
        const QImage back = rendered(svg);
        ASSERT_EQ(back.size(), png.size());
        const Comparison result = compare(png, back);
        EXPECT_EQ(result.differentAwayFromEdges, 0);
        EXPECT_EQ(result.lineMissing, 0);
        EXPECT_EQ(result.lineExtra, 0);
        // Edges are few: the rest is the same pixel for pixel.
        EXPECT_GT(result.exactlyEqual, png.width() * png.height() * 95 / 100);
    }
}

TEST(PlotSvg, EveryCallADrawingOfItsOwnColourAndWidth)
{
    // A dot and two lines: the dot's square and the lines' widths come back as drawn.
    const std::vector<PlotCommand> commands = {
        {PlotOp::Dot, 4, {}, {500, 128}, 0xFF0000},
        {PlotOp::Line, 6, {100, 200}, {900, 200}, 0x0000FF},
        {PlotOp::LineTo, 1, {}, {900, 50}, std::nullopt},
    };
    QImage png(kPlotAreaPixels.width, kPlotAreaPixels.height, QImage::Format_RGB32);
    png.fill(QColor::fromRgb(kPlotBackgroundRgb));
    PenState pen;
    paintPlotCommands(png, kPlotAreaPixels, 1.0, commands, pen);
    const std::string svg = plotSvg(commands, kPlotAreaPixels);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    const Comparison result = compare(png, rendered(svg));
    EXPECT_EQ(result.differentAwayFromEdges, 0);
    EXPECT_EQ(result.lineMissing, 0);
    EXPECT_EQ(result.lineExtra, 0);
}

} // namespace
} // namespace orvant
