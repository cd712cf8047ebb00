// Draws the background picture: a 128 x 128 vertical grey ramp with a dark rim,
// written as an uncompressed 8-bit bitmap file with a 256-entry grey palette.
// Usage: orvant_make_background <output.bmp>
#include "shared/atomic_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace orvant {
namespace {

constexpr int kSide = 128;
constexpr int kRim = 7; // pixels over which the left, right and top edges fade to black
constexpr int kPaletteSize = 256;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * kPaletteSize;
constexpr std::uint32_t kPixelBytes = kSide * kSide; // rows of 128 bytes need no padding
constexpr std::uint32_t kFileSize = kPixelOffset + kPixelBytes;
constexpr std::int32_t kPixelsPerMetre = 3780; // 96 dpi

// Grey of the ramp at a row counted from the bottom: two levels per row, so the
// bottom row is black, row 64 (halfway up) is 127 and row 120 is 239.
int rampGrey(int row)
{
    return std::max(0, 2 * row - 1);
}

// Distance of a pixel to the nearest edge that fades: left, right or top.
int rimDistance(int x, int row)
{
    return std::min({x, kSide - 1 - x, kSide - 1 - row});
}

int pixelGrey(int x, int row)
{
    const int distance = rimDistance(x, row);
    const int grey = rampGrey(row);
    return distance >= kRim ? grey : grey * distance / kRim;
}

void putUint16(std::string &out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void putUint32(std::string &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void putInt32(std::string &out, std::int32_t value)
{
    putUint32(out, static_cast<std::uint32_t>(value));
}

void putFileHeader(std::string &out)
{
    out += "BM";
    putUint32(out, kFileSize);
    putUint32(out, 0); // two reserved words
    putUint32(out, kPixelOffset);
}

void putInfoHeader(std::string &out)
{
    putUint32(out, kInfoHeaderSize);
    putInt32(out, kSide); // width
    putInt32(out, kSide); // positive height: rows run bottom-up
    putUint16(out, 1); // planes
    putUint16(out, 8); // bits per pixel
    putUint32(out, 0); // no compression
    putUint32(out, kPixelBytes);
    putInt32(out, kPixelsPerMetre);
    putInt32(out, kPixelsPerMetre);
    putUint32(out, kPaletteSize); // colours used
    putUint32(out, 0); // all colours important
}

void putGreyPalette(std::string &out)
{
    for (int k = 0; k < kPaletteSize; ++k) {
        const char level = static_cast<char>(k);
        out += {level, level, level, '\0'}; // blue, green, red, reserved
    }
}

void putPixels(std::string &out)
{
    for (int row = 0; row < kSide; ++row) {
        for (int x = 0; x < kSide; ++x)
            out += static_cast<char>(pixelGrey(x, row));
    }
}

std::string bitmapFile()
{
    std::string out;
    out.reserve(kFileSize);
    putFileHeader(out);
    putInfoHeader(out);
    putGreyPalette(out);
    putPixels(out);
    return out;
}

} // namespace
} // namespace orvant

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: orvant_make_background <output.bmp>\n";
        return 2;
    }
    // The build may run this before anything else made the generated folder.
    const std::filesystem::path file = argv[1];
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    const std::string content = orvant::bitmapFile();
    if (content.size() != orvant::kFileSize || orvant::writeFileAtomically(file, content)) {
        std::cerr << "orvant_make_background: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
