#include "picture/png_bytes.h"

#include <QByteArray>
#include <QImage>

#include <gtest/gtest.h>

namespace orvant {
namespace {

// A picture of `colours` colours in a pattern that puts each next to every other.
QImage patterned(int colours, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (x * 7 + y * 3) % colours;
            image.setPixel(x, y, qRgb(i % 256, (i * 37) % 256, i / 256 * 50));
        }
    return image;
}

TEST(PngBytes, EveryPixelBackAndAsFewBitsAsTheColoursNeed)
{
    // PNG's header: bit depth at byte 24, colour type at 25 (3 palette, 2 RGB).
    const struct
    {
        int colours, width, height, depth, type;
    } cases[] = {
        {1, 1, 1, 1, 3},     {2, 733, 585, 1, 3}, {2, 13, 5, 1, 3},     {3, 9, 4, 2, 3},
        {4, 733, 3, 2, 3},   {5, 7, 7, 4, 3},     {16, 17, 16, 4, 3},   {17, 33, 9, 8, 3},
        {256, 64, 64, 8, 3}, {257, 64, 64, 8, 2}, {4096, 70, 70, 8, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.colours) + " colours, " + std::to_string(c.width) + " x "
                     + std::to_string(c.height));
        const QImage image = patterned(c.colours, c.width, c.height);
        const std::string png = pngBytes(image);
        ASSERT_GT(png.size(), 26u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
        EXPECT_EQ(static_cast<int>(png[24]), c.depth);
        EXPECT_EQ(static_cast<int>(png[25]), c.type);
        const QImage back = QImage::fromData(QByteArray::fromStdString(png));
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
    }
}

TEST(PngBytes, TransparencyIsLeftOutAndNothingIsNoPicture)
{
    QImage translucent(4, 4, QImage::Format_ARGB32);
    translucent.fill(qRgba(0, 0, 0, 0));
    const QImage back = QImage::fromData(QByteArray::fromStdString(pngBytes(translucent)));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
              translucent.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(pngBytes(QImage()), "");
}

} // namespace
} // namespace orvant
