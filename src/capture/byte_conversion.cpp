#include "capture/byte_conversion.h"

#include "shared/binary_text.h"
#include "shared/decimal_text.h"
#include "shared/hex_digit.h"

#include <cstddef>
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

// The digit index of every character, looked up once per character of a load.
constexpr auto kDigitIndexOf = [] {
    std::array<unsigned char, 256> indexes {};
    for (int c = 0; c < 256; ++c)
        indexes[static_cast<std::size_t>(c)]
            = static_cast<unsigned char>(digitIndex(static_cast<char>(c)));
    return indexes;
}();

std::size_t pairIndex(char high, char low)
{
    return std::size_t {kDigitIndexOf[static_cast<unsigned char>(high)]} * kDigitIndexes
        + kDigitIndexOf[static_cast<unsigned char>(low)];
}

// What a pair gives besides its own two characters and its Nr., for every two
// digit indexes: the entry, rowText included, and the list row, with blanks
// where the pair's characters and Nr. go. Worked out once: a load converts
// 1055 pairs and copies each entry whole.
struct PairTexts
{
    CaptureByte entry;
    ListRow listRow;
};

void writeDigitBits(int index, char *out)
{
    if (index == kNonDigit)
        std::memset(out, ' ', 4);
    else
        writeBits(out, static_cast<unsigned>(index), 4);
}

template<std::size_t Width> void writeRowTemplate(RowKind kind, const CaptureByte &entry, char *row)
{
    std::memset(row, ' ', Width);
    std::memcpy(row + columnAt(kind, Column::Decimal), entry.decimalText.data(), 3);
    std::memcpy(row + columnAt(kind, Column::Binary), entry.binaryText.data(), 8);
    row[columnAt(kind, Column::Character)] = entry.character[0];
}

PairTexts pairTextsOf(int highIndex, int lowIndex)
{
    PairTexts texts;
    CaptureByte &entry = texts.entry;
    entry.highValue = static_cast<std::int16_t>(highIndex == kNonDigit ? 0 : highIndex);
    entry.lowValue = static_cast<std::int16_t>(lowIndex == kNonDigit ? 0 : lowIndex);
    const int value = 16 * entry.highValue + entry.lowValue;
    writeLeftAligned(entry.decimalText.data(), 3, value);
    writeDigitBits(highIndex, entry.highBits.data());
    writeDigitBits(lowIndex, entry.lowBits.data());
    std::memcpy(entry.binaryText.data(), entry.highBits.data(), 4);
    std::memcpy(entry.binaryText.data() + 4, entry.lowBits.data(), 4);
    entry.character[0] = static_cast<char>(value);
    writeRowTemplate<kExportRowWidth>(RowKind::Export, entry, entry.rowText.data());
    writeRowTemplate<kListRowWidth>(RowKind::List, entry, texts.listRow.data());
    return texts;
}

using AllPairTexts = std::array<PairTexts, kDigitIndexes * kDigitIndexes>;

const AllPairTexts &allPairTexts()
{
    static const AllPairTexts all = [] {
        AllPairTexts texts;
        for (int high = 0; high < kDigitIndexes; ++high) {
            for (int low = 0; low < kDigitIndexes; ++low)
                texts[static_cast<std::size_t>(high * kDigitIndexes + low)]
                    = pairTextsOf(high, low);
        }
        return texts;
    }();
    return all;
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

// The pair's characters stand first in an entry, as its hexText, highDigit and
// lowDigit: written as one piece.
static_assert(offsetof(CaptureByte, highDigit) == 2 && offsetof(CaptureByte, lowDigit) == 3);

// The entry (and its list row) from the pair's template: the pair's own
// characters and Nr. put in.
void convert(const AllPairTexts &all, const std::array<char, 2> &hex, const std::array<char, 4> &nr,
             CaptureByte &entry, ListRow *row)
{
    const PairTexts &texts = all[pairIndex(hex[0], hex[1])];
    entry = texts.entry;
    const char digits[4] = {hex[0], hex[1], hex[0], hex[1]};
    std::memcpy(reinterpret_cast<char *>(&entry), digits, 4);
    std::memcpy(entry.rowText.data() + columnAt(RowKind::Export, Column::Nr), nr.data(), 4);
    std::memcpy(entry.rowText.data() + columnAt(RowKind::Export, Column::Hex), hex.data(), 2);
    if (row) {
        *row = texts.listRow;
        std::memcpy(row->data() + columnAt(RowKind::List, Column::Nr), nr.data(), 4);
        std::memcpy(row->data() + columnAt(RowKind::List, Column::Hex), hex.data(), 2);
    }
}

// The part of an entry a reset writes.
constexpr std::size_t kResetSize = offsetof(CaptureByte, rowText);

// An entry between pairs is written by nothing but a reset, so it is nearly
// always blank already: then it is only read, not written again.
void resetUnlessBlank(const CaptureByte &blank, CaptureByte &entry)
{
    if (std::memcmp(&entry, &blank, kResetSize) != 0)
        entry.reset();
}

} // namespace

void convertPair(const PreparedText &text, int nr, CaptureByte &entry, ListRow *row)
{
    convert(allPairTexts(), hexAt(text, nr), nrText(nr), entry, row);
}

void buildByteTable(const PreparedText &text, ByteTable &table, ListRows *rows)
{
    const AllPairTexts &all = allPairTexts();
    static const CaptureByte blank {};
    // The entries stand one after the other, indexed by Nr.: reached unchecked.
    CaptureByte *const entries = &table.at(0);
    convert(all, hexAt(text, kFirstNr), kNrTexts[0], entries[kFirstNr],
            rows ? rows->data() : nullptr);
    resetUnlessBlank(blank, entries[kFirstNr + 1]);
    for (int nr = kFirstNr + 2; nr <= kLastNr; nr += 2) {
        const auto i = static_cast<std::size_t>(nr / 2);
        const std::array<char, 2> hex
            = {text[static_cast<std::size_t>(nr - 1)], text[static_cast<std::size_t>(nr)]};
        convert(all, hex, kNrTexts[i], entries[nr], rows ? &(*rows)[i] : nullptr);
        // In the same pass: the entry after it is never converted.
        resetUnlessBlank(blank, entries[nr + 1]);
    }
}

} // namespace orvant
