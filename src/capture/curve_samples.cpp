#include "capture/curve_samples.h"

#include <cstring>

namespace orvant {

namespace {

std::optional<int> anyCaseHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

} // namespace

std::optional<int> sampleValueOf(char high, char low)
{
    const auto h = anyCaseHexValue(high);
    const auto l = anyCaseHexValue(low);
    if (!h || !l)
        return std::nullopt;
    return 16 * *h + *l;
}

void convertSample(const ByteTable &table, int k, CurveSample &sample)
{
    const int p = 53 + 4 * (k - 1);
    const char high = table.at(p).character[0];
    const char low = table.at(p + 2).character[0];
    const char text[4] = {'&', 'H', high, low};
    sample.sampleText.assign({text, 4});
    if (const auto value = sampleValueOf(high, low))
        sample.sampleValue = static_cast<std::int16_t>(*value);

    // k 4, 5 blanks, sample text, 6 blanks, value 3.
    char *row = sample.rowText.data();
    std::memset(row, ' ', 22);
    writeRightAligned(row, 4, k);
    std::memcpy(row + 9, text, 4);
    writeRightAligned(row + 19, 3, sample.sampleValue);
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
