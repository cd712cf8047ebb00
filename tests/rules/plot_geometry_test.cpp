#include "rules/plot_geometry.h"

#include "shared/curve_sample.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvant {
namespace {

const PixelSize kArea {733, 585}; // 11000 x 8780 twips

std::vector<PlotCommand> withPen(int penWidth)
{
    const auto &all = graticuleCommands();
    std::vector<PlotCommand> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [penWidth](const PlotCommand &c) { return c.penWidth == penWidth; });
    return found;
}

PlotCommand line(int pen, PlotPoint from, PlotPoint to, PlotColour colour = std::nullopt)
{
    return {PlotOp::Line, pen, from, to, colour};
}

TEST(PlotMapping, LogicalCornersAreTheAreasFirstAndLastPixels)
{
    EXPECT_EQ(toPixel({0, 255}, kArea), (Pixel {0, 0}));
    EXPECT_EQ(toPixel({1036, 255}, kArea), (Pixel {732, 0}));
    EXPECT_EQ(toPixel({0, 0}, kArea), (Pixel {0, 584}));
    EXPECT_EQ(toPixel({1036, 0}, kArea), (Pixel {732, 584}));
    EXPECT_EQ(exactPixel({518, 127.5}, kArea), (ExactPixel {366, 292}));
    // One pixel per unit: larger y is higher up.
    EXPECT_EQ(toPixel({500, 100}, PixelSize {1037, 256}), (Pixel {500, 155}));
}

TEST(PlotMapping, RoundsToTheNearestPixel)
{
    EXPECT_NEAR(exactPixel({1, 255}, kArea).x, 732.0 / 1036, 1e-12);
    EXPECT_EQ(toPixel({1, 255}, kArea).x, 1);
    EXPECT_EQ(toPixel({55.25, 55.25}, kArea), (Pixel {39, 457})); // 39.04, 457.47
    EXPECT_EQ(toPixel({1, 255}, PixelSize {519, 10}).x, 1); // a half goes right
}

TEST(GraticuleCommands, BorderFrameAndAxesInOrderWithTheirPens)
{
    const auto &all = graticuleCommands();
    ASSERT_EQ(all.size(), 4u + 6 + 7 + 9 + 40 + 51);
    EXPECT_TRUE(std::all_of(all.begin(), all.end(),
                            [](const PlotCommand &c) { return c.op == PlotOp::Line; }));
    const std::vector<PlotCommand> thick(all.begin(), all.begin() + 10);
    const std::vector<PlotCommand> expected = {
        line(6, {0, 255}, {1036, 255}, kBlackRgb),
        line(6, {0, 0}, {1036, 0}),
        line(6, {0, 255}, {0, 0}),
        line(6, {1036, 0}, {1036, 255}),
        line(2, {18, 232}, {1018, 232}, kBlackRgb),
        line(2, {18, 30}, {1018, 30}),
        line(2, {18, 232}, {18, 30}),
        line(2, {1018, 30}, {1018, 232}),
        line(2, {18, 131}, {1018, 131}, kBlackRgb),
        line(2, {518, 30}, {518, 232}),
    };
    EXPECT_EQ(thick, expected);
    // Everything after the axes is thin, so the pen is left at width 1.
    EXPECT_EQ(withPen(1).size(), all.size() - 10);
    EXPECT_EQ(all.back().penWidth, 1);
}

TEST(GraticuleCommands, SevenHorizontalAndNineVerticalDivisionLines)
{
    const auto thin = withPen(1);
    const double rows[] = {55.25, 80.5, 105.75, 131, 156.25, 181.5, 206.75};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(thin[i], line(1, {18, rows[i]}, {1018, rows[i]}, kBlackRgb)) << i;
    for (std::size_t i = 0; i < 9; ++i) {
        const double x = 118 + 100.0 * static_cast<double>(i);
        EXPECT_EQ(thin[7 + i], line(1, {x, 30}, {x, 232})) << i;
    }
}

TEST(GraticuleCommands, FortyTicksOnTheVerticalAxisNoneOnTheFrame)
{
    // The single-precision counter passes 202 on its 41st value.
    float t = 0;
    for (int i = 0; i < 40; ++i)
        t += 5.05f;
    EXPECT_GT(t, 202.0f);
    EXPECT_LE(t - 5.05f, 202.0f);

    const auto thin = withPen(1);
    const auto first = thin.begin() + 16;
    const auto ticks = std::count_if(
        first, thin.end(), [](const PlotCommand &c) { return c.from.x == 509 && c.to.x == 527; });
    ASSERT_EQ(ticks, 40);
    for (int i = 0; i < 40; ++i) {
        const PlotCommand &tick = first[i];
        EXPECT_NEAR(tick.from.y, 30 + 5.05 * i, 1e-4) << i;
        EXPECT_EQ(tick.to.y, tick.from.y);
        EXPECT_FALSE(tick.colour);
    }
    EXPECT_LT(first[39].from.y, 232 - 5);
}

TEST(GraticuleCommands, FiftyOneTicksOnTheHorizontalAxis)
{
    const auto thin = withPen(1);
    ASSERT_EQ(thin.size(), 16u + 40 + 51);
    for (int i = 0; i <= 50; ++i) {
        const double x = 18 + 20.0 * i;
        EXPECT_EQ(thin[static_cast<std::size_t>(56 + i)], line(1, {x, 129}, {x, 134})) << i;
    }
}

class CurveCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int k = 1; k <= kSampleCount; ++k)
            curve.at(k).sampleValue = static_cast<std::int16_t>((k * 7 + 40) % 256);
    }
    CurveTable curve;
};

TEST_F(CurveCommands, ForegroundDotThenOneLinePerSample)
{
    const auto commands = curveCommands(curve, 3);
    ASSERT_EQ(commands.size(), 513u);
    const PlotCommand dot {PlotOp::Dot, 3, {}, {0, 47}, std::nullopt};
    EXPECT_EQ(commands[0], dot);
    for (int k = 1; k <= kSampleCount; ++k) {
        const PlotCommand expected {
            PlotOp::LineTo, 3, {}, {2.0 * k, double((k * 7 + 40) % 256)}, 0x0000FFu};
        EXPECT_EQ(commands[static_cast<std::size_t>(k)], expected) << k;
    }
    EXPECT_EQ(commands[1].to, (PlotPoint {2, 47})); // the first line runs flat
    EXPECT_EQ(commands.back().to.x, 1024);
}

TEST_F(CurveCommands, ColourOfEachNextColourAndOnlyTheDotOtherwise)
{
    const std::pair<int, unsigned> colours[]
        = {{1, 0x000000}, {2, 0xFF0000}, {3, 0x0000FF}, {4, 0xFF00FF}};
    for (const auto &[next, rgb] : colours) {
        EXPECT_EQ(curveColour(next), rgb);
        EXPECT_EQ(curveCommands(curve, next)[200].colour, rgb) << next;
        EXPECT_FALSE(curveCommands(curve, next)[0].colour) << next;
    }
    for (const int next : {0, 5, -1}) {
        EXPECT_FALSE(curveColour(next));
        const auto commands = curveCommands(curve, next);
        ASSERT_EQ(commands.size(), 1u) << next;
        EXPECT_EQ(commands[0].op, PlotOp::Dot);
    }
}

} // namespace
} // namespace orvant
