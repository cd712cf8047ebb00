#include "picture/png_bytes.h"

#include <QImage>

#include <png.h>

#include <array>
#include <csetjmp>
#include <optional>
#include <vector>

namespace orvant {

namespace {

constexpr std::size_t kPaletteSize = 256;

// The colours of a picture, when there are at most 256; neighbours mostly share one,
// so the last is tried first.
struct Palette
{
    std::array<QRgb, kPaletteSize> colours {};
    std::size_t count = 0;

    int bitsPerPixel() const { return count <= 2 ? 1 : count <= 4 ? 2 : count <= 16 ? 4 : 8; }
    std::size_t indexOf(QRgb colour) const
    {
        std::size_t i = 0;
        while (colours[i] != colour)
            ++i;
        return i;
    }
};

QRgb opaque(QRgb colour)
{
    return colour | 0xff000000u;
}

std::optional<Palette> paletteOf(const QImage &rgb)
{
    Palette palette;
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QRgb last = opaque(line[0]) ^ 1u; // unlike the first pixel
        for (int x = 0; x < width; ++x) {
            const QRgb colour = opaque(line[x]);
            if (colour == last)
                continue;
            last = colour;
            std::size_t i = 0;
            while (i < palette.count && palette.colours[i] != colour)
                ++i;
            if (i == palette.count) {
                if (palette.count == kPaletteSize)
                    return std::nullopt;
                palette.colours[palette.count++] = colour;
            }
        }
    }
    return palette;
}

// The rows as PNG wants them: palette indices packed `bits` to a byte, the leftmost
// pixel in the highest bits.
std::vector<png_byte> packedRows(const QImage &rgb, const Palette &palette, std::size_t rowBytes)
{
    const int bits = palette.bitsPerPixel();
    const int width = rgb.width();
    std::vector<png_byte> rows(rowBytes * static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        png_byte *out = rows.data() + rowBytes * static_cast<std::size_t>(y);
        QRgb last = opaque(line[0]);
        unsigned index = static_cast<unsigned>(palette.indexOf(last));
        unsigned byte = 0;
        int filled = 0;
        for (int x = 0; x < width; ++x) {
            const QRgb colour = opaque(line[x]);
            if (colour != last) {
                last = colour;
                index = static_cast<unsigned>(palette.indexOf(colour));
            }
            byte = byte << bits | index;
            filled += bits;
            if (filled == 8) {
                *out++ = static_cast<png_byte>(byte);
                byte = 0;
                filled = 0;
            }
        }
        if (filled > 0)
            *out = static_cast<png_byte>(byte << (8 - filled));
    }
    return rows;
}

// libpng reports an error by jumping back to where setjmp was called; nothing of C++
// that needs destroying lives in between.
void append(png_structp png, png_bytep data, png_size_t length)
{
    auto *out = static_cast<std::string *>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char *>(data), length);
}

void noFlush(png_structp) { }

struct Header
{
    png_uint_32 width;
    png_uint_32 height;
    int bits;
    int colourType;
};

bool writePng(png_structp png, png_infop info, const Header &header, const png_color *palette,
              int paletteSize, png_bytepp rows, std::string *out)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, out, append, noFlush);
    png_set_IHDR(png, info, header.width, header.height, header.bits, header.colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette)
        png_set_PLTE(png, info, palette, paletteSize);
    // One bit a pixel needs no filter: the rows of a drawing repeat as they are.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

std::string encoded(const Header &header, const std::vector<png_color> &palette,
                    std::vector<png_byte> &pixels, std::size_t rowBytes)
{
    std::vector<png_bytep> rows(header.height);
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = pixels.data() + rowBytes * y;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::string out;
    const bool done = info
        && writePng(png, info, header, palette.empty() ? nullptr : palette.data(),
                    static_cast<int>(palette.size()), rows.data(), &out);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return done ? out : std::string();
}

} // namespace

std::string pngBytes(const QImage &picture)
{
    if (picture.isNull())
        return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const auto width = static_cast<png_uint_32>(rgb.width());
    const auto height = static_cast<png_uint_32>(rgb.height());
    if (const auto palette = paletteOf(rgb)) {
        const int bits = palette->bitsPerPixel();
        const std::size_t rowBytes = (static_cast<std::size_t>(width) * bits + 7) / 8;
        std::vector<png_byte> pixels = packedRows(rgb, *palette, rowBytes);
        std::vector<png_color> colours;
        for (std::size_t i = 0; i < palette->count; ++i) {
            const QRgb c = palette->colours[i];
            colours.push_back({static_cast<png_byte>(qRed(c)), static_cast<png_byte>(qGreen(c)),
                               static_cast<png_byte>(qBlue(c))});
        }
        return encoded({width, height, bits, PNG_COLOR_TYPE_PALETTE}, colours, pixels, rowBytes);
    }
    // More than 256 colours: the pixels as RGB, alpha left out.
    QImage truecolour = rgb.convertToFormat(QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(truecolour.bytesPerLine());
    std::vector<png_byte> pixels(truecolour.constBits(),
                                 truecolour.constBits() + rowBytes * height);
    return encoded({width, height, 8, PNG_COLOR_TYPE_RGB}, {}, pixels, rowBytes);
}

} // namespace orvant
