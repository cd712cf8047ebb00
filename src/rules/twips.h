#pragma once

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

} // namespace orvant
