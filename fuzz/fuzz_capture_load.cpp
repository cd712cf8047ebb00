// The load pipeline, twice on one program state: the input's first field is
// the first capture, the field after it the second, so the second curve build
// meets the samples the first left.
#include "capture/byte_conversion.h"
#include "capture/capture_load.h"
#include "capture/settings_decoder.h"
#include "decodable_texts.h"
#include "fuzz_check.h"
#include "shared/var_global.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace orvant;

std::string rightAligned(long value, std::size_t width)
{
    const std::string digits = std::to_string(value);
    return std::string(width - digits.size(), ' ') + digits;
}

std::string leftAligned(std::string_view text, std::size_t width)
{
    return std::string(text) + std::string(width - text.size(), ' ');
}

// Expected texts worked out once: the checks run over 1055 entries per load.
template<typename Text, std::size_t N, typename Make> std::array<Text, N> textTable(Make make)
{
    std::array<Text, N> texts;
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = make(static_cast<int>(i));
    return texts;
}

std::string_view nrText(int nr) // right-aligned in 4
{
    static const auto texts
        = textTable<std::string, 2112>([](int v) { return rightAligned(v, 4); });
    return texts.at(static_cast<std::size_t>(nr));
}

std::string_view decimalOf(int value) // left-aligned in 3
{
    static const auto texts
        = textTable<std::string, 256>([](int v) { return leftAligned(std::to_string(v), 3); });
    return texts.at(static_cast<std::size_t>(value));
}

std::string_view valueText(int value) // six blanks, then right-aligned in 3
{
    static const auto texts = textTable<std::string, 256>(
        [](int v) { return std::string(6, ' ') + rightAligned(v, 3); });
    return texts.at(static_cast<std::size_t>(value));
}

bool blanks(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The checks keep their own digit rules rather than trust the core's.
std::optional<int> upperHexValue(char c)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    const std::size_t at = kDigits.find(c);
    return at == std::string_view::npos ? std::nullopt : std::optional<int>(static_cast<int>(at));
}

std::optional<int> anyCaseHexValue(char c)
{
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return upperHexValue(c);
}

std::string_view nibbleBits(std::optional<int> value)
{
    static const auto texts = textTable<std::string, 16>([](int v) {
        std::string bits;
        for (int bit = 3; bit >= 0; --bit)
            bits += (v >> bit) & 1 ? '1' : '0';
        return bits;
    });
    return value ? std::string_view(texts.at(static_cast<std::size_t>(*value))) : "    ";
}

void checkPreparation(std::string_view field, const PreparedText &text)
{
    const std::string filled = leftAligned(field.substr(0, kCaptureTextLength), kCaptureTextLength);
    const std::string expected
        = filled.substr(10, 4) == "4348" ? "  " + filled.substr(0, kCaptureTextLength - 2) : filled;
    FUZZ_CHECK(text.view() == expected);
}

void checkEntry(const PreparedText &text, int nr, const CaptureByte &entry)
{
    char high = text[static_cast<std::size_t>(nr - 1)];
    char low = text[static_cast<std::size_t>(nr)];
    if (nr == 1 && high == ' ' && low == ' ')
        high = '2', low = '0';
    const auto highValue = upperHexValue(high);
    const auto lowValue = upperHexValue(low);
    const int value = 16 * highValue.value_or(0) + lowValue.value_or(0);

    FUZZ_CHECK(entry.hexText[0] == high && entry.hexText[1] == low);
    FUZZ_CHECK(entry.highDigit[0] == high && entry.lowDigit[0] == low);
    FUZZ_CHECK(entry.highValue == highValue.value_or(0) && entry.lowValue == lowValue.value_or(0));
    FUZZ_CHECK(entry.highBits.view() == nibbleBits(highValue));
    FUZZ_CHECK(entry.lowBits.view() == nibbleBits(lowValue));
    FUZZ_CHECK(entry.binaryText.view().substr(0, 4) == entry.highBits.view());
    FUZZ_CHECK(entry.binaryText.view().substr(4) == entry.lowBits.view());
    FUZZ_CHECK(entry.binaryText.view().find_first_not_of("01 ") == std::string_view::npos);
    FUZZ_CHECK(entry.decimalText.view() == decimalOf(value));
    FUZZ_CHECK(static_cast<unsigned char>(entry.character[0]) == value);
}

// Where the columns of a row stand (0-based); blanks fill every gap.
struct RowColumns
{
    std::size_t size, hex, decimal, binary, character;
};
constexpr RowColumns kRowTextColumns {38, 10, 17, 24, 37}; // the export's rowText
constexpr RowColumns kListRowColumns {27, 6, 11, 16, 26}; // the byte list

void checkRow(std::string_view row, const RowColumns &at, int nr, const CaptureByte &entry)
{
    FUZZ_CHECK(row.size() == at.size);
    FUZZ_CHECK(row.substr(0, 4) == nrText(nr));
    FUZZ_CHECK(blanks(row.substr(4, at.hex - 4)));
    FUZZ_CHECK(row.substr(at.hex, 2) == entry.hexText.view());
    FUZZ_CHECK(blanks(row.substr(at.hex + 2, at.decimal - at.hex - 2)));
    FUZZ_CHECK(row.substr(at.decimal, 3) == entry.decimalText.view());
    FUZZ_CHECK(blanks(row.substr(at.decimal + 3, at.binary - at.decimal - 3)));
    FUZZ_CHECK(row.substr(at.binary, 8) == entry.binaryText.view());
    FUZZ_CHECK(blanks(row.substr(at.binary + 8, at.character - at.binary - 8)));
    FUZZ_CHECK(row[at.character] == entry.character[0]);
}

void checkByteTable(const VarGlobal &state, const ListRows &rows)
{
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2) {
        const CaptureByte &entry = state.byteTable.at(nr);
        checkEntry(state.captureText, nr, entry);
        checkRow(entry.rowText.view(), kRowTextColumns, nr, entry);
        checkRow(rows.at(static_cast<std::size_t>(nr / 2)).view(), kListRowColumns, nr, entry);
    }
    // The even Nr. are never converted: they keep their reset state.
    for (int nr = 2; nr <= 2110; nr += 2) {
        const CaptureByte &entry = state.byteTable.at(nr);
        FUZZ_CHECK(blanks(entry.hexText.view()) && blanks(entry.binaryText.view()));
        FUZZ_CHECK(entry.highValue == 0 && entry.lowValue == 0);
    }
}

int digitOf(const CaptureByte &entry)
{
    return upperHexValue(entry.character[0]).value_or(0);
}

void checkSettings(const VarGlobal &state, const DecodedSettings &settings)
{
    const auto texts = [&settings](int parameter) {
        return settings.text(parameterNumbered(parameter));
    };
    static const test::DecodableTexts decodable = test::decodableTexts();
    for (int parameter = kFirstParameter; parameter <= 123; ++parameter) {
        const auto &allowed = decodable.at(static_cast<std::size_t>(parameter - kFirstParameter));
        FUZZ_CHECK(allowed.count(texts(parameter)) == 1);
    }
    const ByteTable &table = state.byteTable;
    const int frame = 16 * digitOf(table.at(41)) + digitOf(table.at(43));
    const int count = 4096 * digitOf(table.at(45)) + 256 * digitOf(table.at(47))
        + 16 * digitOf(table.at(49)) + digitOf(table.at(51));
    FUZZ_CHECK(state.frameNumber == frame && state.byteCount == count);
    FUZZ_CHECK(texts(124) == std::to_string(frame));
    FUZZ_CHECK(texts(125) == std::to_string(count));

    // A complete flag byte settles coupling, calibration and invert.
    for (const auto &[nr, first] : {std::pair {21, 102}, std::pair {25, 106}}) {
        if (blanks(table.at(nr).binaryText.view().substr(4)))
            continue;
        for (int parameter = first; parameter < first + 3; ++parameter)
            FUZZ_CHECK(!texts(parameter).empty());
    }
}

// Sample k from the characters of Nr. p and p + 2; a text that is no hex
// number keeps the value the sample had before.
void checkCurve(const ByteTable &table, const CurveTable &before, const CurveTable &curve)
{
    for (int k = 1; k <= kSampleCount; ++k) {
        const int p = 53 + 4 * (k - 1);
        const char high = table.at(p).character[0];
        const char low = table.at(p + 2).character[0];
        const CurveSample &sample = curve.at(k);
        const char text[4] = {'&', 'H', high, low};
        const auto h = anyCaseHexValue(high);
        const auto l = anyCaseHexValue(low);
        const int expected = h && l ? 16 * *h + *l : before.at(k).sampleValue;

        FUZZ_CHECK(sample.sampleText.view() == std::string_view(text, 4));
        FUZZ_CHECK(sample.sampleValue == expected);
        FUZZ_CHECK(sample.sampleValue >= 0 && sample.sampleValue <= 255);
        // k in 1-4, sample text 10-13, value right-aligned in 20-22.
        const std::string_view row = sample.rowText.view();
        FUZZ_CHECK(row.substr(0, 4) == nrText(k));
        FUZZ_CHECK(blanks(row.substr(4, 5)));
        FUZZ_CHECK(row.substr(9, 4) == std::string_view(text, 4));
        FUZZ_CHECK(row.substr(13) == valueText(sample.sampleValue));
    }
}

// Checks every stage of the load as the pipeline reaches it.
class CheckedStages : public LoadStages
{
public:
    CheckedStages(const VarGlobal &state, const ListRows &rows)
        : state_(state)
        , rows_(rows)
    {
    }
    void failed(const LoadError &) override { ++failures; }
    void read(std::string_view field, const PreparedText &text) override
    {
        checkPreparation(field, text);
        text_ = text;
        before = std::make_unique<CurveTable>(state_.curveTable);
    }
    void decoded(const DecodedSettings &settings) override
    {
        FUZZ_CHECK(state_.captureText == text_);
        checkByteTable(state_, rows_);
        checkSettings(state_, settings);
        // What the panel shows is what was decoded.
        for (const Parameter parameter : kAllParameters)
            FUZZ_CHECK(state_.shown[parameter].text == settings.text(parameter));
        ++decodes;
    }
    bool letEventsRun() override
    {
        ++yields;
        return true;
    }

    std::unique_ptr<CurveTable> before;
    int failures = 0;
    int decodes = 0;
    int yields = 0;

private:
    const VarGlobal &state_;
    const ListRows &rows_;
    PreparedText text_;
};

void load(std::streambuf &input, VarGlobal &state, ListRows &rows)
{
    const PreparedText earlier = state.captureText;
    CheckedStages stages(state, rows);
    const LoadEnd end = loadCapture(input, state, stages, &rows);
    if (end == LoadEnd::Failed) {
        // No field at all: nothing of the program's state changes.
        FUZZ_CHECK(stages.failures == 1 && stages.decodes == 0 && stages.yields == 0);
        FUZZ_CHECK(state.captureText == earlier);
        return;
    }
    FUZZ_CHECK(end == LoadEnd::Complete && stages.failures == 0);
    FUZZ_CHECK(stages.decodes == 1 && stages.yields == kSampleCount);
    checkCurve(state.byteTable, *stages.before, state.curveTable);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::stringbuf input(std::string(reinterpret_cast<const char *>(data), size), std::ios::in);
    const auto state = std::make_unique<VarGlobal>();
    const auto rows = std::make_unique<ListRows>();
    load(input, *state, *rows);
    load(input, *state, *rows);
    return 0;
}
