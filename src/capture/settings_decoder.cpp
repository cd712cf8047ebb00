#include "capture/settings_decoder.h"

#include "capture/settings_tables.h"
#include "shared/binary_text.h"

namespace orvant {

namespace {

// The binary text every complete byte has, bit 7 first.
constexpr auto kByteBits = [] {
    std::array<std::array<char, 8>, 256> bits {};
    for (unsigned b = 0; b < 256; ++b)
        writeBits(bits[b].data(), b, 8);
    return bits;
}();

bool isByte(const CaptureByte &entry, unsigned char byte)
{
    return entry.binaryText.view() == std::string_view(kByteBits[byte].data(), 8);
}

// The digit whose character code the whole byte is ("0" to "9", "A" to "F").
std::optional<int> codedDigit(const CaptureByte &entry)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    for (std::size_t d = 0; d < kDigits.size(); ++d) {
        if (isByte(entry, static_cast<unsigned char>(kDigits[d])))
            return static_cast<int>(d);
    }
    return std::nullopt;
}

// The value of binary characters first..first+count-1 (from 1); none with a blank.
std::optional<ValueIndex> bitField(const CaptureByte &entry, std::size_t first, std::size_t count)
{
    int value = 0;
    for (const char bit : entry.binaryText.view().substr(first - 1, count)) {
        if (bit != '0' && bit != '1')
            return std::nullopt;
        value = 2 * value + (bit - '0');
    }
    return static_cast<ValueIndex>(value);
}

// A ladder's value from its index, none past the ladder's end.
std::optional<ValueIndex> ladderValue(Parameter parameter, std::optional<int> index)
{
    if (!index || *index >= static_cast<int>(settingValues(parameter).size()))
        return std::nullopt;
    return static_cast<ValueIndex>(*index);
}

// Coupling (bits 1-0), calibration (bit 2), invert (bit 3).
void decodeChannelFlags(const CaptureByte &entry, Parameter coupling, SettingValues &values)
{
    const int first = number(coupling);
    values.set(coupling, bitField(entry, 7, 2));
    values.set(parameterNumbered(first + 1), bitField(entry, 6, 1));
    values.set(parameterNumbered(first + 2), bitField(entry, 5, 1));
}

void decodeTime(const CaptureByte &flags, const CaptureByte &code, SettingValues &values)
{
    const auto range = bitField(flags, 8, 1);
    const auto digit = codedDigit(code);
    if (range && digit)
        values.set(Parameter::SecPerDiv, ladderValue(Parameter::SecPerDiv, 16 * *range + *digit));
}

void decodeHorizontalFlags(const CaptureByte &entry, SettingValues &values)
{
    for (const auto &row : horizontalFlagRows())
        values.set(row.parameter, isByte(entry, row.byte) ? setting::kOn : setting::kOff);
}

void decodeTrigger(const CaptureByte &selector, const CaptureByte &value, SettingValues &values)
{
    for (const auto &row : triggerRows()) {
        if (isByte(selector, row.selector) && isByte(value, row.value))
            values.set(row.parameter, row.result);
    }
    for (const auto &[parameter, fallback] : triggerDefaults()) {
        if (!values[parameter])
            values.set(parameter, fallback);
    }
}

// The settings a capture does not hold show the one value a capture gives.
void decodeFixed(SettingValues &values)
{
    for (int n = number(Parameter::AutoTrigEnabled); n <= number(Parameter::TimeOut); ++n) {
        const Parameter parameter = parameterNumbered(n);
        const auto choices = settingValues(parameter);
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (!choices[i].decoded.empty())
                values.set(parameter, static_cast<ValueIndex>(i));
        }
    }
}

} // namespace

DecodedSettings decodeSettings(const ByteTable &table, const CaptureNumbers &numbers)
{
    DecodedSettings decoded;
    SettingValues &values = decoded.values;
    decodeChannelFlags(table.at(21), Parameter::Ch1Coupling, values);
    values.set(Parameter::Ch1VoltsPerDiv,
               ladderValue(Parameter::Ch1VoltsPerDiv, codedDigit(table.at(23))));
    decodeChannelFlags(table.at(25), Parameter::Ch2Coupling, values);
    values.set(Parameter::Ch2VoltsPerDiv,
               ladderValue(Parameter::Ch2VoltsPerDiv, codedDigit(table.at(27))));
    decodeTime(table.at(29), table.at(31), values);
    decodeHorizontalFlags(table.at(29), values);
    decodeTrigger(table.at(33), table.at(35), values);
    decodeFixed(values);
    decoded.frameNumber = numbers.frameNumber;
    decoded.byteCount = numbers.byteCount;
    return decoded;
}

} // namespace orvant
