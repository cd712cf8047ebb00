#include "capture/settings_decoder.h"

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

void applyDefaults(SettingsTexts &texts, std::span<const ParameterText> defaults)
{
    for (const auto &[parameter, text] : defaults) {
        if (texts[parameter].empty())
            texts[parameter] = text;
    }
}

void decodeChannelFlags(const CaptureByte &entry, int channel, SettingsTexts &texts)
{
    for (const auto &row : channelFlagRows(channel)) {
        const auto field = entry.binaryText.view().substr(
            static_cast<std::size_t>(row.firstCharacter - 1), row.bits.size());
        if (field == row.bits)
            texts[row.parameter] = row.text;
    }
}

void decodeVolts(const CaptureByte &entry, int parameter, SettingsTexts &texts)
{
    for (const auto &row : voltsPerDivisionRows()) {
        if (isByte(entry, row.byte))
            texts[parameter] = row.text;
    }
}

void decodeTime(const CaptureByte &flags, const CaptureByte &code, SettingsTexts &texts)
{
    const char rangeFlag = flags.binaryText[7];
    if (rangeFlag != '0' && rangeFlag != '1')
        return;
    for (const auto &row : timePerDivisionRows()) {
        const auto text = rangeFlag == '0' ? row.range0 : row.range1;
        if (!text.empty() && isByte(code, row.code))
            texts[109] = text;
    }
}

void decodeHorizontalFlags(const CaptureByte &entry, SettingsTexts &texts)
{
    for (const auto &row : horizontalFlagRows()) {
        if (isByte(entry, row.byte))
            texts[row.parameter] = "ON";
    }
    applyDefaults(texts, horizontalFlagDefaults());
}

void decodeTrigger(const CaptureByte &selector, const CaptureByte &value, SettingsTexts &texts)
{
    for (const auto &row : triggerRows()) {
        if (isByte(selector, row.selector) && isByte(value, row.value))
            texts[row.parameter] = row.text;
    }
    applyDefaults(texts, triggerDefaults());
}

} // namespace

SettingsTexts decodeSettings(const ByteTable &table, const CaptureNumbers &numbers)
{
    SettingsTexts texts;
    decodeChannelFlags(table.at(21), 1, texts);
    decodeVolts(table.at(23), 101, texts);
    decodeChannelFlags(table.at(25), 2, texts);
    decodeVolts(table.at(27), 105, texts);
    decodeTime(table.at(29), table.at(31), texts);
    decodeHorizontalFlags(table.at(29), texts);
    decodeTrigger(table.at(33), table.at(35), texts);
    for (const auto &[parameter, text] : fixedTexts())
        texts[parameter] = text;
    texts[124] = std::to_string(numbers.frameNumber);
    texts[125] = std::to_string(numbers.byteCount);
    return texts;
}

} // namespace orvant
