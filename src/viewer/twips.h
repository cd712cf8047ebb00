#pragma once

#include <QRect>

namespace orvant {

// 15 twips make one pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace orvant
