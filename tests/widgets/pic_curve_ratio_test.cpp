// The plot on high-density screens. Runs in test entries of its own: one with
// QT_SCALE_FACTOR=2, one on two screens of device-pixel ratios 1 and 2.
#include "widgets/pic_curve.h"

#include "shared/curve_sample.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>

namespace orvant {
namespace {

constexpr int kWidth = 733; // 11000 twips
constexpr int kHeight = 585; // 8780 twips

void drawSineWithGraticule(PicCurve &plot)
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k)
        curve.at(k).sampleValue
            = static_cast<std::int16_t>(128 + std::lround(90 * std::sin(k / 30.0)));
    drawGraticule(plot);
    drawCurve(plot, curve, 3);
}

// 2 x 2 blocks that are not one colour: none in a picture scaled up from ratio 1.
int mixedBlocks(const QImage &image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb first = image.pixel(x, y);
            mixed += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first
                    || image.pixel(x + 1, y + 1) != first
                ? 1
                : 0;
        }
    }
    return mixed;
}

int blackRunAt(const QImage &image, int x, int fromY)
{
    int run = 0;
    for (int y = fromY; y < image.height() && (image.pixel(x, y) & 0xFFFFFF) == 0; ++y)
        ++run;
    return run;
}

QScreen *screenNamed(const char *name)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name))
            return screen;
    }
    return nullptr;
}

TEST(PlotAtRatio2, DrawsInDevicePixelsWithLogicalPenWidths)
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    PicCurve plot;
    plot.resize(kWidth, kHeight);
    drawSineWithGraticule(plot);
    const QImage &image = plot.image();
    ASSERT_EQ(image.size(), QSize(2 * kWidth, 2 * kHeight));
    EXPECT_GT(mixedBlocks(image), 500); // edges at device pixels, not doubled logical ones
    // The top border, pen 6: 12 device rows from the centre line at y 255 up to the edge.
    EXPECT_EQ(blackRunAt(image, 300, 0), 6);
    // The horizontal centre axis at y 131 (pen 2, 4 device rows) between two ticks.
    const int axisRow = static_cast<int>(std::lround((255 - 131) * (kHeight - 1) / 255.0 * 2));
    int rows = 0;
    for (int y = axisRow - 6; y <= axisRow + 6; ++y)
        rows += (image.pixel(2 * 31, y) & 0xFFFFFF) == 0 ? 1 : 0;
    EXPECT_EQ(rows, 4);
    // What the widget paints is the retained picture itself, not a scaled copy.
    EXPECT_EQ(plot.grab().toImage().convertToFormat(QImage::Format_RGB32), image);
}

TEST(PlotRatioChange, AnotherScreenDrawsTheSameCallsAgainAtItsRatio)
{
    QScreen *const normal = screenNamed("normal");
    QScreen *const dense = screenNamed("dense");
    ASSERT_TRUE(normal && dense) << "run on the two-screen configuration";
    ASSERT_EQ(dense->devicePixelRatio(), 2.0);
    PicCurve plot;
    plot.resize(kWidth, kHeight);
    plot.winId();
    plot.windowHandle()->setScreen(normal);
    drawSineWithGraticule(plot);
    const QImage atRatio1 = plot.image();

    PicCurve fresh;
    fresh.resize(kWidth, kHeight);
    fresh.winId(); // a window of its own, to put on the dense screen
    fresh.windowHandle()->setScreen(dense);
    drawSineWithGraticule(fresh);
    ASSERT_EQ(fresh.image().size(), QSize(2 * kWidth, 2 * kHeight));

    plot.windowHandle()->setScreen(dense);
    EXPECT_EQ(plot.image(), fresh.image()); // the curve survives, sharp
    plot.windowHandle()->setScreen(normal);
    EXPECT_EQ(plot.image(), atRatio1);
    EXPECT_EQ(plot.curveCount(), 1);
}

} // namespace
} // namespace orvant
