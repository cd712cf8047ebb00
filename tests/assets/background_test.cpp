// The generated background picture: file layout, grey palette, ramp and rim.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace orvant::test {
namespace {

constexpr int kSide = 128;
constexpr std::size_t kPixelOffset = 14 + 40 + 1024;

class BackgroundPicture : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        std::ifstream in(ORVANT_BACKGROUND_FILE, std::ios::binary);
        file_ = std::string(std::istreambuf_iterator<char>(in), {});
    }

    static std::uint32_t u32(std::size_t at)
    {
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(file_.at(at + i));
        return value;
    }
    static std::uint16_t u16(std::size_t at)
    {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(file_.at(at))
                                          | static_cast<unsigned char>(file_.at(at + 1)) << 8);
    }
    // Grey level of a pixel; row 0 is the bottom row.
    static int grey(int x, int row)
    {
        return static_cast<unsigned char>(file_.at(kPixelOffset + row * kSide + x));
    }
    // Grey of a row away from the rim.
    static int inner(int row) { return grey(kSide / 2, row); }

    static std::string file_;
};
std::string BackgroundPicture::file_;

TEST_F(BackgroundPicture, IsAnUncompressed8BitBitmapOf17462Bytes)
{
    ASSERT_EQ(file_.size(), 17462u);
    EXPECT_EQ(file_.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), 17462u); // file size
    EXPECT_EQ(u32(6), 0u); // reserved
    EXPECT_EQ(u32(10), kPixelOffset);
    EXPECT_EQ(u32(14), 40u); // info header size
    EXPECT_EQ(u32(18), 128u); // width
    EXPECT_EQ(u32(22), 128u); // height, positive: bottom-up rows
    EXPECT_EQ(u16(26), 1); // planes
    EXPECT_EQ(u16(28), 8); // bits per pixel
    EXPECT_EQ(u32(30), 0u); // no compression
    EXPECT_EQ(u32(34), 16384u); // pixel bytes
    EXPECT_TRUE(u32(46) == 256u || u32(46) == 0u); // colours used: the whole palette
}

TEST_F(BackgroundPicture, PaletteEntryKIsGreyK)
{
    ASSERT_EQ(file_.size(), 17462u);
    for (int k = 0; k < 256; ++k) {
        const std::size_t at = 54 + 4 * static_cast<std::size_t>(k);
        EXPECT_EQ(static_cast<unsigned char>(file_[at]), k) << "blue " << k;
        EXPECT_EQ(static_cast<unsigned char>(file_[at + 1]), k) << "green " << k;
        EXPECT_EQ(static_cast<unsigned char>(file_[at + 2]), k) << "red " << k;
        EXPECT_EQ(file_[at + 3], 0) << "reserved " << k;
    }
}

TEST_F(BackgroundPicture, RampRisesTwoLevelsPerRowFromBlackToAbout240)
{
    ASSERT_EQ(file_.size(), 17462u);
    for (int x = 0; x < kSide; ++x)
        EXPECT_EQ(grey(x, 0), 0) << "bottom row, x " << x;
    // Each row of the ramp is one grey away from the rim.
    for (int row = 0; row < kSide - 8; ++row) {
        for (int x = 8; x < kSide - 8; ++x)
            ASSERT_EQ(grey(x, row), inner(row)) << "x " << x << " row " << row;
    }
    for (int row = 1; row < kSide - 8; ++row) {
        const int step = inner(row) - inner(row - 1);
        EXPECT_GE(step, 1) << row;
        EXPECT_LE(step, 3) << row;
    }
    const double slope = (inner(100) - inner(10)) / 90.0;
    EXPECT_NEAR(slope, 2.0, 0.1);
    const int brightest
        = *std::max_element(file_.begin() + kPixelOffset, file_.end(), [](char a, char b) {
              return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
          });
    EXPECT_NEAR(static_cast<unsigned char>(brightest), 240, 5);
    const int topOfRamp = kSide - 1 - 7; // a few rows below the top
    EXPECT_NEAR(inner(topOfRamp), 240, 5);
}

TEST_F(BackgroundPicture, ARowHalfwayUpIsGrey127InsideTheRim)
{
    ASSERT_EQ(file_.size(), 17462u);
    int found = -1;
    for (int row = kSide / 2 - 2; row <= kSide / 2 + 1 && found < 0; ++row) {
        bool all127 = true;
        for (int x = 8; x < kSide - 8; ++x)
            all127 = all127 && grey(x, row) == 127;
        if (all127)
            found = row;
    }
    EXPECT_GE(found, 0) << "no row of grey 127 near the middle";
}

// Along a line from an edge inwards (d pixels in): black at the edge, darker
// than the ramp over six to eight pixels, then the ramp's grey.
template<typename Grey, typename Ramp>
void expectFade(const std::string &edge, const Grey &greyAt, const Ramp &rampAt)
{
    EXPECT_LE(greyAt(0), 3) << edge;
    for (int d = 1; d < 6; ++d) {
        EXPECT_GE(greyAt(d), greyAt(d - 1)) << edge << " at " << d;
        EXPECT_LT(greyAt(d), rampAt(d) - 10) << edge << " at " << d;
    }
    for (int d = 8; d < 12; ++d)
        EXPECT_NEAR(greyAt(d), rampAt(d), 3) << edge << " at " << d;
}

TEST_F(BackgroundPicture, LeftRightAndTopEdgesFadeToBlack)
{
    ASSERT_EQ(file_.size(), 17462u);
    for (const int row : {40, 64, 100, 115}) {
        const auto ramp = [&](int) {
            return inner(row);
        };
        expectFade(
            "left, row " + std::to_string(row), [&](int d) { return grey(d, row); }, ramp);
        expectFade(
            "right, row " + std::to_string(row), [&](int d) { return grey(kSide - 1 - d, row); },
            ramp);
    }
    // Under the top rim the ramp goes on as it rises below it.
    const double slope = (inner(100) - inner(10)) / 90.0;
    const auto rampBelowTop = [&](int d) {
        return static_cast<int>(inner(100) + slope * (kSide - 1 - d - 100) + 0.5);
    };
    for (const int x : {20, 64, 100})
        expectFade(
            "top, x " + std::to_string(x), [&](int d) { return grey(x, kSide - 1 - d); },
            rampBelowTop);
    for (int row = 0; row < kSide; ++row) {
        EXPECT_LE(grey(0, row), 3) << row;
        EXPECT_LE(grey(kSide - 1, row), 3) << row;
    }
}

} // namespace
} // namespace orvant::test
