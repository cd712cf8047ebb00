#include "capture/curve_samples.h"

#include "shared/decimal_text.h"
#include "shared/hex_digit.h"

#include <array>
#include <cstring>

namespace orvant {

namespace {

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
    const int h = hexDigitValue(high, HexLetters::EitherCase);
    const int l = hexDigitValue(low, HexLetters::EitherCase);
    if (h == kNoHexDigit || l == kNoHexDigit)
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
    const int h = hexDigitValue(high, HexLetters::EitherCase);
    const int l = hexDigitValue(low, HexLetters::EitherCase);
    // A text that is no hex number keeps the value the sample had.
    const int value = h != kNoHexDigit && l != kNoHexDigit ? 16 * h + l : sample.sampleValue;
    sample.sampleValue = static_cast<std::int16_t>(value);

    // k 4, 5 blanks, sample text, 6 blanks, value 3.
    char *row = sample.rowText.data();
    std::memset(row, ' ', 22);
    writeSampleNumber(row, k);
    std::memcpy(row + 9, text, 4);
    writeValue(row + 19, value);
}

namespace {

class FunctionEvents : public SampleEvents
{
public:
    explicit FunctionEvents(const LetEventsRun &function)
        : function_(function)
    {
    }
    bool letEventsRun() override { return !function_ || function_(); }

private:
    const LetEventsRun &function_;
};

} // namespace

bool buildCurveSamples(const ByteTable &table, CurveTable &curve, const LetEventsRun &letEventsRun)
{
    FunctionEvents events(letEventsRun);
    return buildCurveSamples(table, curve, events);
}

bool buildCurveSamples(const ByteTable &table, CurveTable &curve, SampleEvents &events)
{
    for (int k = 1; k <= kSampleCount; ++k) {
        if (!events.letEventsRun())
            return false;
        convertSample(table, k, curve.at(k));
    }
    return true;
}

} // namespace orvant
