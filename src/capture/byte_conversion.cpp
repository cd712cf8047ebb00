#include "capture/byte_conversion.h"

#include "shared/binary_text.h"
#include "shared/decimal_text.h"
#include "shared/hex_digit.h"

#include <cstring>

namespace orvant {

namespace {

// The columns of a byte's rows: width, and where each stands (0-based) in the
// list row and in the export's rowText. Blanks fill every gap.
enum class Column { Nr, Hex, Decimal, Binary, Character };

struct ColumnPlace
{
    Column column;
    std::size_t width;
    std::size_t listAt;
    std::size_t exportAt;
};

constexpr std::array<ColumnPlace, 5> kColumns = {{
    {Column::Nr, 4, 0, 0},
    {Column::Hex, 2, 6, 10},
    {Column::Decimal, 3, 11, 17},
    {Column::Binary, 8, 16, 24},
    {Column::Character, 1, 26, 37},
}};

constexpr std::size_t kListRowWidth = ListRow::size();
constexpr std::size_t kExportRowWidth = decltype(CaptureByte::rowText)::size();

enum class RowKind { List, Export };

constexpr std::size_t columnAt(RowKind kind, Column column)
{
    for (const ColumnPlace &place : kColumns) {
        if (place.column == column)
            return kind == RowKind::List ? place.listAt : place.exportAt;
    }
    return 0;
}

// A character's digit index: its value as an upper-case hex digit, or 16 for
// any other character, which counts 0 and has blank bits.
constexpr int kNonDigit = 16;
constexpr int kDigitIndexes = 17;

constexpr int digitIndex(char c)
{
    const int value = hexDigitValue(c, HexLetters::UpperCase);
    return value == kNoHexDigit ? kNonDigit : value;
}

// What a pair gives besides its own two characters and its Nr., for every two
// digit indexes, rows included. Worked out at compile time: a load converts
// 1055 pairs.
struct PairTexts
{
    std::int16_t highValue = 0;
    std::int16_t lowValue = 0;
    std::array<char, 3> decimal {}; // left-aligned, blank-filled
    std::array<char, 8> binary {}; // high digit's bits, then the low digit's
    char character = 0;
    std::array<char, kListRowWidth> listRow {}; // Nr. and HEX still blank
    std::array<char, kExportRowWidth> exportRow {};
};

constexpr void writeDigitBits(int index, char *out)
{
    if (index == kNonDigit) {
        for (int i = 0; i < 4; ++i)
            out[i] = ' ';
    } else {
        writeBits(out, static_cast<unsigned>(index), 4);
    }
}

template<std::size_t Width>
constexpr std::array<char, Width> rowTemplate(RowKind kind, const PairTexts &texts)
{
    std::array<char, Width> row {};
    row.fill(' ');
    std::copy_n(texts.decimal.begin(), 3, row.begin() + columnAt(kind, Column::Decimal));
    std::copy_n(texts.binary.begin(), 8, row.begin() + columnAt(kind, Column::Binary));
    row[columnAt(kind, Column::Character)] = texts.character;
    return row;
}

constexpr PairTexts pairTextsOf(int highIndex, int lowIndex)
{
    PairTexts texts;
    texts.highValue = static_cast<std::int16_t>(highIndex == kNonDigit ? 0 : highIndex);
    texts.lowValue = static_cast<std::int16_t>(lowIndex == kNonDigit ? 0 : lowIndex);
    const int value = 16 * texts.highValue + texts.lowValue;
    writeLeftAligned(texts.decimal.data(), 3, value);
    writeDigitBits(highIndex, texts.binary.data());
    writeDigitBits(lowIndex, texts.binary.data() + 4);
    texts.character = static_cast<char>(value);
    texts.listRow = rowTemplate<kListRowWidth>(RowKind::List, texts);
    texts.exportRow = rowTemplate<kExportRowWidth>(RowKind::Export, texts);
    return texts;
}

constexpr std::array<PairTexts, kDigitIndexes *kDigitIndexes> kPairTexts = [] {
    std::array<PairTexts, kDigitIndexes * kDigitIndexes> all {};
    for (int high = 0; high < kDigitIndexes; ++high) {
        for (int low = 0; low < kDigitIndexes; ++low)
            all[static_cast<std::size_t>(high * kDigitIndexes + low)] = pairTextsOf(high, low);
    }
    return all;
}();

const PairTexts &pairTextsOf(const std::array<char, 2> &hex)
{
    return kPairTexts[static_cast<std::size_t>(digitIndex(hex[0]) * kDigitIndexes
                                               + digitIndex(hex[1]))];
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

std::array<char, 4> nrText(int nr)
{
    if (nr >= kFirstNr && nr <= kLastNr && nr % 2 == 1)
        return kNrTexts[static_cast<std::size_t>(nr / 2)];
    std::array<char, 4> text {};
    writeRightAligned(text.data(), 4, nr);
    return text;
}

// A row from its template: the Nr. and the pair's own characters put in.
template<std::size_t Width>
void writeRow(const std::array<char, Width> &pattern, RowKind kind, const std::array<char, 4> &nr,
              const std::array<char, 2> &hex, char *out)
{
    std::memcpy(out, pattern.data(), Width);
    std::memcpy(out + columnAt(kind, Column::Nr), nr.data(), 4);
    std::memcpy(out + columnAt(kind, Column::Hex), hex.data(), 2);
}

void writeEntry(const std::array<char, 2> &hex, const PairTexts &texts, CaptureByte &entry)
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
}

} // namespace

void convertPair(const PreparedText &text, int nr, CaptureByte &entry, ListRow *row)
{
    const auto hex = hexAt(text, nr);
    const PairTexts &texts = pairTextsOf(hex);
    const auto nrChars = nrText(nr);
    writeEntry(hex, texts, entry);
    writeRow(texts.exportRow, RowKind::Export, nrChars, hex, entry.rowText.data());
    if (row)
        writeRow(texts.listRow, RowKind::List, nrChars, hex, row->data());
}

void buildByteTable(const PreparedText &text, ByteTable &table, ListRows *rows)
{
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2)
        convertPair(text, nr, table.at(nr),
                    rows ? &(*rows)[static_cast<std::size_t>(nr / 2)] : nullptr);
}

} // namespace orvant
