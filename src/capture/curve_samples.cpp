#include "capture/curve_samples.h"

#include <array>
#include <cstring>

namespace orvant {

namespace {

// Digit value of a character for "&H" numbers, either letter case; -1 for any other.
constexpr std::array<signed char, 256> kAnyCaseDigit = [] {
    std::array<signed char, 256> digits {};
    digits.fill(-1);
    for (int v = 0; v < 16; ++v) {
        digits[static_cast<unsigned char>("0123456789ABCDEF"[v])] = static_cast<signed char>(v);
        digits[static_cast<unsigned char>("0123456789abcdef"[v])] = static_cast<signed char>(v);
    }
    return digits;
}();

int anyCaseHexValue(char c)
{
    return kAnyCaseDigit[static_cast<unsigned char>(c)];
}

// The number texts of the rows; other numbers are written digit by digit.
constexpr auto kSampleNumbers = rightAlignedTexts<4, kSampleCount>(1, 1);
constexpr auto kValueTexts = rightAlignedTexts<3, 256>(0, 1);

void writeSampleNumber(char *out, int k)
{
    if (k >= 1 && k <= kSampleCount)
        std::memcpy(out, kSampleNumbers[static_cast<std::size_t>(k - 1)].data(), 4);
    else
        writeRightAligned(out, 4, k);
}

void writeValue(char *out, int value)
{
    if (value >= 0 && value <= 255)
        std::memcpy(out, kValueTexts[static_cast<std::size_t>(value)].data(), 3);
    else
        writeRightAligned(out, 3, value);
}

} // namespace

std::optional<int> sampleValueOf(char high, char low)
{
    const int h = anyCaseHexValue(high);
    const int l = anyCaseHexValue(low);
    if (h < 0 || l < 0)
        return std::nullopt;
    return 16 * h + l;
}

void convertSample(const ByteTable &table, int k, CurveSample &sample)
{
    const int p = 53 + 4 * (k - 1);
    const char high = table.at(p).character[0];
    const char low = table.at(p + 2).character[0];
    const char text[4] = {'&', 'H', high, low};
    std::memcpy(sample.sampleText.data(), text, 4);
    if (const auto value = sampleValueOf(high, low))
        sample.sampleValue = static_cast<std::int16_t>(*value);

    // k 4, 5 blanks, sample text, 6 blanks, value 3.
    char *row = sample.rowText.data();
    std::memset(row, ' ', 22);
    writeSampleNumber(row, k);
    std::memcpy(row + 9, text, 4);
    writeValue(row + 19, sample.sampleValue);
}

bool buildCurveSamples(const ByteTable &table, CurveTable &curve, const LetEventsRun &letEventsRun)
{
    for (int k = 1; k <= kSampleCount; ++k) {
        if (letEventsRun && !letEventsRun())
            return false;
        convertSample(table, k, curve.at(k));
    }
    return true;
}

} // namespace orvant
