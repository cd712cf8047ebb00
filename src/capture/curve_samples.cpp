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

// The blanks of a row, written at once before the columns.
constexpr std::array<char, 22> kBlankRow = [] {
    std::array<char, 22> row {};
    row.fill(' ');
    return row;
}();

// Numbers outside the tables: rare, kept out of the way of the sample loop.
[[gnu::noinline, gnu::cold]] void writeNumber(char *out, std::size_t width, int value)
{
    writeRightAligned(out, width, value);
}

void writeSampleNumber(char *out, int k)
{
    if (k >= 1 && k <= kSampleCount) [[likely]]
        std::memcpy(out, kSampleNumbers[static_cast<std::size_t>(k - 1)].data(), 4);
    else
        writeNumber(out, 4, k);
}

void writeValue(char *out, int value)
{
    if (value >= 0 && value <= 255) [[likely]]
        std::memcpy(out, kValueTexts[static_cast<std::size_t>(value)].data(), 3);
    else
        writeNumber(out, 3, value);
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

namespace {

// Sample k from the characters of its two pairs.
inline void writeSample(int k, char high, char low, CurveSample &sample)
{
    const char text[4] = {'&', 'H', high, low};
    std::memcpy(sample.sampleText.data(), text, 4);
    const int h = hexDigitValue(high, HexLetters::EitherCase);
    const int l = hexDigitValue(low, HexLetters::EitherCase);
    // A text that is no hex number keeps the value the sample had.
    const int value = h != kNoHexDigit && l != kNoHexDigit ? 16 * h + l : sample.sampleValue;
    sample.sampleValue = static_cast<std::int16_t>(value);

    // k 4, 5 blanks, sample text, 6 blanks, value 3.
    char *row = sample.rowText.data();
    std::memcpy(row, kBlankRow.data(), kBlankRow.size());
    writeSampleNumber(row, k);
    std::memcpy(row + 9, text, 4);
    writeValue(row + 19, value);
}

// The pair Nr. 53 + 4 (k - 1) is the table's pair 26 + 2 (k - 1).
constexpr std::size_t kFirstSamplePair = 26;

} // namespace

void convertSample(const ByteTable &table, int k, CurveSample &sample)
{
    const int p = 53 + 4 * (k - 1);
    writeSample(k, table.character(p), table.character(p + 2), sample);
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
    const auto characters = table.characters();
    static_assert(kFirstSamplePair + 2 * kSampleCount <= characters.size());
    for (int k = 1; k <= kSampleCount; ++k) {
        if (!events.letEventsRun())
            return false;
        const std::size_t i = kFirstSamplePair + 2 * static_cast<std::size_t>(k - 1);
        writeSample(k, characters[i], characters[i + 1], curve.at(k));
    }
    return true;
}

} // namespace orvant
