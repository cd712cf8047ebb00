#include "capture/byte_conversion.h"

#include "capture/capture_numbers.h"

#include <cstring>

namespace orvant {

namespace {

// A character's digit index: its value as an upper-case hex digit, or 16 for
// any other character, which counts 0 and has blank bits.
constexpr int kNonDigit = 16;
constexpr int kDigitIndexes = 17;

constexpr std::array<unsigned char, 256> kDigitIndex = [] {
    std::array<unsigned char, 256> index {};
    index.fill(kNonDigit);
    for (int v = 0; v < 16; ++v)
        index[static_cast<unsigned char>("0123456789ABCDEF"[v])] = static_cast<unsigned char>(v);
    return index;
}();

// What a pair gives besides its own two characters, for every two digit
// indexes. Worked out at compile time: a load converts 1055 pairs.
struct PairTexts
{
    std::int16_t highValue = 0;
    std::int16_t lowValue = 0;
    std::array<char, 3> decimal {}; // left-aligned, blank-filled
    std::array<char, 8> binary {}; // high digit's bits, then the low digit's
    char character = 0;
};

constexpr void writeBits(int index, char *out)
{
    for (int i = 0; i < 4; ++i)
        out[i] = index == kNonDigit ? ' ' : (index >> (3 - i)) & 1 ? '1' : '0';
}

constexpr PairTexts pairTextsOf(int highIndex, int lowIndex)
{
    PairTexts texts;
    texts.highValue = static_cast<std::int16_t>(highIndex == kNonDigit ? 0 : highIndex);
    texts.lowValue = static_cast<std::int16_t>(lowIndex == kNonDigit ? 0 : lowIndex);
    const int value = 16 * texts.highValue + texts.lowValue;
    texts.decimal = {' ', ' ', ' '};
    int at = 0;
    if (value >= 100)
        texts.decimal[at++] = static_cast<char>('0' + value / 100);
    if (value >= 10)
        texts.decimal[at++] = static_cast<char>('0' + value / 10 % 10);
    texts.decimal[at] = static_cast<char>('0' + value % 10);
    writeBits(highIndex, texts.binary.data());
    writeBits(lowIndex, texts.binary.data() + 4);
    texts.character = static_cast<char>(value);
    return texts;
}

constexpr std::array<PairTexts, kDigitIndexes *kDigitIndexes> kPairTexts = [] {
    std::array<PairTexts, kDigitIndexes * kDigitIndexes> all {};
    for (int high = 0; high < kDigitIndexes; ++high) {
        for (int low = 0; low < kDigitIndexes; ++low)
            all[high * kDigitIndexes + low] = pairTextsOf(high, low);
    }
    return all;
}();

const PairTexts &pairTextsOf(const std::array<char, 2> &hex)
{
    const int high = kDigitIndex[static_cast<unsigned char>(hex[0])];
    const int low = kDigitIndex[static_cast<unsigned char>(hex[1])];
    return kPairTexts[static_cast<std::size_t>(high * kDigitIndexes + low)];
}

// The pair at Nr. as the table shows it.
std::array<char, 2> hexAt(const PreparedText &text, int nr)
{
    const std::array<char, 2> hex
        = {text[static_cast<std::size_t>(nr - 1)], text[static_cast<std::size_t>(nr)]};
    // A blank first pair (left by the realignment) stands for the byte 20 hex
    // in every column.
    if (nr == 1 && hex[0] == ' ' && hex[1] == ' ')
        return {'2', '0'};
    return hex;
}

// Nr. right-aligned in 4 characters, for every odd Nr. of a load.
constexpr auto kNrTexts = rightAlignedTexts<4, kPairCount>(kFirstNr, 2);

struct NrText
{
    std::array<char, 4> text;
    explicit NrText(int nr)
    {
        if (nr >= kFirstNr && nr <= kLastNr && nr % 2 == 1)
            text = kNrTexts[static_cast<std::size_t>(nr / 2)];
        else
            writeRightAligned(text.data(), 4, nr);
    }
};

// The entry and its rowText: Nr. 4, 6 blanks, HEX, 5 blanks, DEZ (3), 4 blanks,
// BIN, 5 blanks, SGN. Written from the looked-up texts, never read back.
void writeEntry(const std::array<char, 2> &hex, const PairTexts &texts, const NrText &nr,
                CaptureByte &entry)
{
    std::memcpy(entry.hexText.data(), hex.data(), 2);
    entry.highDigit[0] = hex[0];
    entry.lowDigit[0] = hex[1];
    entry.highValue = texts.highValue;
    entry.lowValue = texts.lowValue;
    std::memcpy(entry.decimalText.data(), texts.decimal.data(), 3);
    std::memcpy(entry.highBits.data(), texts.binary.data(), 4);
    std::memcpy(entry.lowBits.data(), texts.binary.data() + 4, 4);
    std::memcpy(entry.binaryText.data(), texts.binary.data(), 8);
    entry.character[0] = texts.character;

    char *row = entry.rowText.data();
    std::memset(row, ' ', 38);
    std::memcpy(row, nr.text.data(), 4);
    std::memcpy(row + 10, hex.data(), 2);
    std::memcpy(row + 17, texts.decimal.data(), 3);
    std::memcpy(row + 24, texts.binary.data(), 8);
    row[37] = texts.character;
}

// Nr. 4, 2 blanks, HEX, 3 blanks, DEZ (3), 2 blanks, BIN, 2 blanks, SGN.
void writeListRow(const NrText &nr, const char *hex, const char *decimal, const char *binary,
                  char character, ListRow &row)
{
    char *out = row.data();
    std::memset(out, ' ', 27);
    std::memcpy(out, nr.text.data(), 4);
    std::memcpy(out + 6, hex, 2);
    std::memcpy(out + 11, decimal, 3);
    std::memcpy(out + 16, binary, 8);
    out[26] = character;
}

} // namespace

std::optional<int> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

void convertPair(const PreparedText &text, int nr, CaptureByte &entry)
{
    const auto hex = hexAt(text, nr);
    writeEntry(hex, pairTextsOf(hex), NrText(nr), entry);
}

ListRow listRow(int nr, const CaptureByte &entry)
{
    ListRow row;
    writeListRow(NrText(nr), entry.hexText.data(), entry.decimalText.data(),
                 entry.binaryText.data(), entry.character[0], row);
    return row;
}

CaptureNumbers buildByteTable(const PreparedText &text, ByteTable &table, ListRows &rows)
{
    CaptureNumbers numbers;
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2) {
        const auto hex = hexAt(text, nr);
        const PairTexts &texts = pairTextsOf(hex);
        const NrText nrText(nr);
        writeEntry(hex, texts, nrText, table.at(nr));
        if (nr == 43)
            numbers.frameNumber = frameNumber(table);
        if (nr == 51)
            numbers.byteCount = byteCount(table);
        writeListRow(nrText, hex.data(), texts.decimal.data(), texts.binary.data(), texts.character,
                     rows[static_cast<std::size_t>(nr / 2)]);
    }
    return numbers;
}

} // namespace orvant
