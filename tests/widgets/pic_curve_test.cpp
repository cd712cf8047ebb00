#include "widgets/pic_curve.h"

#include "shared/curve_sample.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>

namespace orvant {
namespace {

constexpr int kWidth = 733; // 11000 twips
constexpr int kHeight = 585; // 8780 twips
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kMagenta = 0xFF00FF;
constexpr unsigned kEmpty = 0xC0FFFF;

int column(double x)
{
    return static_cast<int>(std::lround(x * (kWidth - 1) / 1036));
}
int row(double y)
{
    return static_cast<int>(std::lround((255 - y) * (kHeight - 1) / 255));
}

unsigned rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The colour at (x, y) or one pixel either way.
bool near(const QImage &image, int x, int y, unsigned rgb)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.valid(x + dx, y + dy) && rgbAt(image, x + dx, y + dy) == rgb)
                return true;
        }
    }
    return false;
}

// Runs of `rgb` along a column (vertical) or a row, between two positions.
int runs(const QImage &image, bool vertical, int at, int begin, int end, unsigned rgb)
{
    int count = 0;
    bool inside = false;
    for (int i = begin; i <= end; ++i) {
        const bool hit = rgbAt(image, vertical ? at : i, vertical ? i : at) == rgb;
        count += hit && !inside ? 1 : 0;
        inside = hit;
    }
    return count;
}

int thickness(const QImage &image, int x, int y, unsigned rgb)
{
    int count = 0;
    for (int i = y - 4; i <= y + 4; ++i)
        count += rgbAt(image, x, i) == rgb ? 1 : 0;
    return count;
}

CurveTable curveOf(int (*sample)(int k))
{
    CurveTable curve;
    for (int k = 1; k <= kSampleCount; ++k)
        curve.at(k).sampleValue = static_cast<std::int16_t>(sample(k));
    return curve;
}

int wave(int k)
{
    return 128 + static_cast<int>(std::lround(100 * std::sin(k / 40.0)));
}

class PicCurveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        plot.resize(kWidth, kHeight);
        plot.clear();
    }
    PicCurve plot;
};

using GraticulePixels = PicCurveTest;

TEST_F(GraticulePixels, DivisionLinesAndAxesAtTheirRowsAndColumns)
{
    drawGraticule(plot);
    const QImage &image = plot.image();
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    for (const double y : {55.25, 80.5, 105.75, 131.0, 156.25, 181.5, 206.75}) {
        EXPECT_TRUE(near(image, column(68), row(y), kBlack)) << y;
        EXPECT_EQ(thickness(image, column(68), row(y), kBlack), y == 131 ? 2 : 1) << y;
        EXPECT_EQ(rgbAt(image, column(68), row(y + 12.625)), kEmpty) << y;
    }
    for (int x = 118; x <= 918; x += 100) {
        EXPECT_TRUE(near(image, column(x), row(100), kBlack)) << x;
        EXPECT_EQ(rgbAt(image, column(x + 50), row(100)), kEmpty) << x;
    }
    EXPECT_TRUE(near(image, column(518), row(100), kBlack)); // vertical axis
    // Inner frame, and the outer border on the area's edges.
    EXPECT_EQ(thickness(image, column(300), row(232), kBlack), 2);
    EXPECT_EQ(thickness(image, column(300), row(30), kBlack), 2);
    EXPECT_TRUE(near(image, column(18), row(200), kBlack));
    EXPECT_TRUE(near(image, column(1018), row(200), kBlack));
    for (const QPoint edge : {QPoint(300, 0), QPoint(300, kHeight - 1), QPoint(0, 300),
                              QPoint(kWidth - 1, 300), QPoint(300, 2), QPoint(2, 300)})
        EXPECT_EQ(rgbAt(image, edge.x(), edge.y()), kBlack) << edge.x() << "," << edge.y();
    EXPECT_EQ(rgbAt(image, 300, 6), kEmpty);
    EXPECT_EQ(plot.penWidth(), 1);
}

TEST_F(GraticulePixels, MinorTicksOnBothCentreAxes)
{
    drawGraticule(plot);
    const QImage &image = plot.image();
    // Vertical axis: every fifth tick lies on a division line.
    for (int i = 1; i < 40; ++i) {
        const double y = 30 + 5.05 * i;
        EXPECT_TRUE(near(image, column(512), row(y), kBlack)) << i;
        if (i % 5 != 0) {
            EXPECT_EQ(rgbAt(image, column(505), row(y)), kEmpty) << i;
            EXPECT_EQ(rgbAt(image, column(512), row(y + 2.525)), kEmpty) << i;
        }
    }
    // One run per tick inside the frame; the bottom tick runs into the frame.
    EXPECT_EQ(runs(image, true, column(512), row(232) + 2, row(30), kBlack), 40);
    // Horizontal axis: 51 ticks from y 129 up to 134.
    for (int i = 0; i <= 50; ++i)
        EXPECT_TRUE(near(image, column(18 + 20 * i), row(133), kBlack)) << i;
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(rgbAt(image, column(28 + 20 * i), row(133)), kEmpty) << i;
    EXPECT_EQ(runs(image, false, row(133), 5, kWidth - 6, kBlack), 51);
    EXPECT_EQ(rgbAt(image, column(38), row(137)), kEmpty);
}

TEST_F(GraticulePixels, DrawnAgainOverACurveLeavesTheCurve)
{
    drawGraticule(plot);
    drawCurve(plot, curveOf([](int) { return 100; }), 4);
    drawGraticule(plot);
    EXPECT_EQ(rgbAt(plot.image(), column(300), row(100)), kMagenta);
    EXPECT_EQ(thickness(plot.image(), column(300), row(100), kMagenta), 3); // pen width 3
    EXPECT_EQ(plot.curveCount(), 1);
}

TEST_F(GraticulePixels, ClearThenGraticuleHoldsOneGraticuleOnly)
{
    drawGraticule(plot);
    drawCurve(plot, curveOf(wave), 2);
    drawGraticule(plot);
    plot.clear();
    drawGraticule(plot);

    PicCurve fresh;
    fresh.resize(kWidth, kHeight);
    drawGraticule(fresh);
    EXPECT_EQ(plot.image(), fresh.image());
}

TEST_F(GraticulePixels, WhatWasDrawnIsKeptAsDataAndPaintsTheSamePixelsAgain)
{
    drawGraticule(plot);
    drawCurve(plot, curveOf(wave), 2);
    drawGraticule(plot);
    drawCurve(plot, curveOf([](int k) { return k % 256; }), 4);
    plot.line({10, 20}, {500, 200}, kRed);

    const std::vector<PlotDrawing> &kept = plot.drawings();
    ASSERT_EQ(kept.size(), 5u);
    EXPECT_TRUE(std::holds_alternative<GraticuleDrawing>(kept[2]));
    const auto &curve = std::get<CurveDrawing>(kept[3]);
    EXPECT_EQ(curve.nextColour, 4);
    ASSERT_EQ(curve.values.size(), 512u);
    EXPECT_EQ(curve.values[0], 1);
    EXPECT_EQ(curve.values[255], 0); // sample 256
    EXPECT_EQ(curve.values[511], 0);
    EXPECT_EQ(std::get<PlotCommand>(kept[4]).to, (PlotPoint {500, 200}));

    // A second plot given the kept data only shows the same pixels.
    PicCurve again;
    again.resize(kWidth, kHeight);
    for (const PlotDrawing &drawing : kept)
        again.draw(drawing);
    EXPECT_EQ(again.image(), plot.image());
    EXPECT_EQ(again.currentPoint(), (PlotPoint {500, 200}));
}

using CurvePixels = PicCurveTest;

TEST_F(CurvePixels, LinesInTheNextColourThroughEverySample)
{
    QSignalSpy counted(&plot, &PicCurve::curveCountChanged);
    drawCurve(plot, curveOf(wave), 3);
    const QImage &image = plot.image();
    for (int k = 1; k <= kSampleCount; k += 17)
        EXPECT_TRUE(near(image, column(2 * k), row(wave(k)), kBlue)) << k;
    EXPECT_EQ(rgbAt(image, column(1030), row(wave(512))), kEmpty); // ends at x 1024
    EXPECT_EQ(plot.currentPoint(), (PlotPoint {1024, double(wave(512))}));
    EXPECT_EQ(plot.curveCount(), 1);
    ASSERT_EQ(counted.count(), 1);
    EXPECT_EQ(counted.at(0).at(0).toInt(), 1);
}

TEST_F(CurvePixels, DotAtTheFirstSampleInTheForeground)
{
    const CurveTable curve = curveOf(wave);
    // The curve's first call alone; its first line then covers the dot.
    const auto commands = curveCommands(curve, 3);
    plot.draw({commands.data(), 1});
    EXPECT_TRUE(near(plot.image(), 0, row(wave(1)), kBlack));
    EXPECT_EQ(plot.currentPoint(), (PlotPoint {0, double(wave(1))}));

    // A next colour without a curve colour draws the dot and nothing else.
    plot.clear();
    drawCurve(plot, curve, 5);
    const QImage &image = plot.image();
    int inked = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (rgbAt(image, x, y) == kEmpty)
                continue;
            ++inked;
            EXPECT_EQ(rgbAt(image, x, y), kBlack);
            EXPECT_LE(x, 2);
            EXPECT_LE(std::abs(y - row(wave(1))), 2);
        }
    }
    EXPECT_GT(inked, 0);
    EXPECT_EQ(plot.curveCount(), 0);
}

TEST_F(CurvePixels, AllZeroOnTheBottomEdgeAll255OnTheTopAndBothAccumulate)
{
    drawCurve(plot, curveOf([](int) { return 0; }), 2);
    drawCurve(plot, curveOf([](int) { return 255; }), 4);
    const QImage &image = plot.image();
    for (int x = column(2); x <= column(1024); ++x) {
        EXPECT_EQ(rgbAt(image, x, kHeight - 1), kRed) << x;
        EXPECT_EQ(rgbAt(image, x, 0), kMagenta) << x;
    }
    EXPECT_EQ(rgbAt(image, 300, kHeight / 2), kEmpty);
    EXPECT_EQ(plot.curveCount(), 2);
}

TEST_F(CurvePixels, ClearLeavesTheBackgroundOnly)
{
    drawGraticule(plot);
    drawCurve(plot, curveOf(wave), 1);
    QSignalSpy counted(&plot, &PicCurve::curveCountChanged);
    plot.clear();
    QImage empty(kWidth, kHeight, QImage::Format_RGB32);
    empty.fill(QColor(192, 255, 255));
    EXPECT_EQ(plot.image(), empty);
    EXPECT_EQ(plot.curveCount(), 0);
    EXPECT_EQ(plot.currentPoint(), (PlotPoint {0, 0}));
    ASSERT_EQ(counted.count(), 1);
    EXPECT_EQ(counted.at(0).at(0).toInt(), 0);
}

using Surface = PicCurveTest;

TEST_F(Surface, PenWidthAndCurrentPointPersistBetweenCalls)
{
    plot.setPenWidth(3);
    plot.line({100, 100}, {900, 100}, kRed);
    EXPECT_EQ(plot.currentPoint(), (PlotPoint {900, 100}));
    plot.lineTo({900, 50}, kBlue); // from the current point down
    plot.setPenWidth(1);
    plot.lineTo({100, 50});
    const QImage &image = plot.image();
    EXPECT_EQ(thickness(image, column(500), row(100), kRed), 3);
    int blue = 0;
    for (int x = column(900) - 4; x <= column(900) + 4; ++x)
        blue += rgbAt(image, x, row(75)) == kBlue ? 1 : 0;
    EXPECT_EQ(blue, 3);
    EXPECT_EQ(thickness(image, column(500), row(50), kBlack), 1); // the foreground
    EXPECT_EQ(plot.currentPoint(), (PlotPoint {100, 50}));
}

TEST_F(Surface, KeepsItsDrawingWhenResizedAndShowsItWhenPainted)
{
    plot.setPenWidth(1);
    plot.line({0, 255}, {1036, 0}, kRed);
    const QImage before = plot.image();
    plot.resize(kWidth + 20, kHeight + 10);
    const QImage &after = plot.image();
    ASSERT_EQ(after.size(), QSize(kWidth + 20, kHeight + 10));
    EXPECT_EQ(after.copy(0, 0, kWidth, kHeight), before);
    EXPECT_EQ(rgbAt(after, kWidth + 10, kHeight + 5), kEmpty);

    const QImage painted = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, after);
}

TEST(PicCurvePlacement, GraticulePlacesAndShowsTheAreaInItsWindow)
{
    QWidget window;
    PicCurve plot(&window);
    plot.setGeometry(0, 0, 10, 10);
    plot.setEnabled(false);
    plot.hide();
    drawGraticule(plot);
    EXPECT_EQ(plot.geometry(), QRect(248, 184, 733, 585));
    EXPECT_TRUE(plot.isEnabled());
    EXPECT_TRUE(plot.isVisibleTo(&window));
    EXPECT_EQ(plot.image().size(), QSize(733, 585));

    PicCurve alone; // no window: stays where and as it is
    drawGraticule(alone);
    EXPECT_FALSE(alone.isVisible());
}

} // namespace
} // namespace orvant
