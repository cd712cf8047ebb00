#include "capture/byte_conversion.h"
#include "capture/capture_numbers.h"
#include "capture/preparation.h"
#include "capture_builder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orvant {
namespace {

using test::CaptureBuilder;

struct Converted
{
    std::unique_ptr<ByteTable> table = std::make_unique<ByteTable>();
    std::unique_ptr<ListRows> rows = std::make_unique<ListRows>();
    CaptureNumbers numbers;
};

Converted convertText(std::string_view hex)
{
    Converted result;
    buildByteTable(prepareCaptureText(hex), *result.table, result.rows.get());
    result.numbers = captureNumbers(*result.table);
    return result;
}

Converted convertCapture(const std::string &frame, const std::string &count)
{
    CaptureBuilder capture;
    capture.frame = frame;
    capture.count = count;
    return convertText(capture.hexText());
}

TEST(CaptureNumbers, DigitValueOfTheCharacterAByteCodes)
{
    const std::string digits = "0123456789ABCDEF";
    for (int b = 0; b < 256; ++b) {
        CaptureByte entry;
        entry.character[0] = static_cast<char>(b);
        const auto at = digits.find(static_cast<char>(b));
        const int expected = at == std::string::npos ? 0 : static_cast<int>(at);
        EXPECT_EQ(digitCharacterValue(entry), expected) << b;
    }
}

TEST(CaptureNumbers, FrameNumber)
{
    const struct
    {
        const char *frame;
        int number;
    } cases[] = {{"1A", 26}, {"00", 0}, {"01", 1}, {"FF", 255}, {"F0", 240},
                 {"a1", 1},  {"G2", 2}, {"  ", 0}, {"9 ", 144}};
    for (const auto &c : cases) {
        const Converted converted = convertCapture(c.frame, "0400");
        EXPECT_EQ(converted.numbers.frameNumber, c.number) << c.frame;
        EXPECT_EQ(frameNumber(*converted.table), c.number) << c.frame;
    }
}

TEST(CaptureNumbers, ByteCountCoversFourHexDigitsWithoutFailing)
{
    const struct
    {
        const char *count;
        int number;
    } cases[] = {{"0400", 1024}, {"0000", 0}, {"7FFF", 32767}, {"8000", 32768}, {"FFFF", 65535},
                 {"1234", 4660}, {"000f", 0}, {"00 1", 1},     {"A0B0", 41136}, {"zzzz", 0}};
    for (const auto &c : cases) {
        const Converted converted = convertCapture("01", c.count);
        EXPECT_EQ(converted.numbers.byteCount, c.number) << c.count;
        EXPECT_EQ(byteCount(*converted.table), c.number) << c.count;
        EXPECT_EQ(converted.numbers.frameNumber, 1);
    }
}

TEST(CaptureNumbers, ShortCaptureGivesZeros)
{
    for (const std::string &hex : {std::string(), std::string("303132"), std::string(40, '3')}) {
        const Converted converted = convertText(hex);
        EXPECT_EQ(converted.numbers.frameNumber, 0) << hex;
        EXPECT_EQ(converted.numbers.byteCount, 0) << hex;
    }
}

TEST(CaptureNumbers, RealignedCaptureReadsTheMovedPairs)
{
    // Pairs 6 and 7 code "C" and "H": every pair moves one place up, so the
    // digits of the frame number come from the pairs before it.
    CaptureBuilder capture;
    capture.lead[5] = 0x43;
    capture.lead[6] = 0x48;
    capture.spare = {0x00, 0x37};
    capture.frame = "2B";
    capture.count = "0C00";
    const Converted converted = convertText(capture.hexText());
    EXPECT_EQ(converted.numbers.frameNumber, 16 * 7 + 2);
    EXPECT_EQ(converted.numbers.byteCount, 16 * 16 * 16 * 11 + 16 * 16 * 0 + 16 * 12 + 0);
}

} // namespace
} // namespace orvant
