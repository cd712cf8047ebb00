#include "shared/capture_byte.h"

#include "shared/binary_text.h"
#include "shared/decimal_text.h"
#include "shared/hex_digit.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace orvant {

namespace {

static_assert(std::is_trivially_copyable_v<CaptureByte> && std::is_standard_layout_v<CaptureByte>);
// rowText is the last field: a reset writes everything before it at once.
static_assert(offsetof(CaptureByte, rowText) + sizeof(CaptureByte::rowText) == sizeof(CaptureByte));

const CaptureByte kBlank {};

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

// The digit index of every character, looked up once per character read.
constexpr auto kDigitIndexOf = [] {
    std::array<unsigned char, 256> indexes {};
    for (int c = 0; c < 256; ++c)
        indexes[static_cast<std::size_t>(c)]
            = static_cast<unsigned char>(digitIndex(static_cast<char>(c)));
    return indexes;
}();

// The value a character counts in a byte: a non-digit counts 0.
constexpr auto kDigitValueOf = [] {
    std::array<unsigned char, 256> values {};
    for (std::size_t c = 0; c < 256; ++c)
        values[c] = kDigitIndexOf[c] == kNonDigit ? 0 : kDigitIndexOf[c];
    return values;
}();

std::size_t textsIndex(char high, char low)
{
    return std::size_t {kDigitIndexOf[static_cast<unsigned char>(high)]} * kDigitIndexes
        + kDigitIndexOf[static_cast<unsigned char>(low)];
}

constexpr void writeDigitBits(int index, char *out)
{
    if (index == kNonDigit) {
        for (int i = 0; i < 4; ++i)
            out[i] = ' ';
    } else {
        writeBits(out, static_cast<unsigned>(index), 4);
    }
}

constexpr int byteValue(int highIndex, int lowIndex)
{
    return 16 * (highIndex == kNonDigit ? 0 : highIndex) + (lowIndex == kNonDigit ? 0 : lowIndex);
}

// What a pair gives to a row besides its own two characters and its Nr., for
// every two digit indexes, with blanks where those go. Worked out at compile
// time: an export writes 1055 rows, a list shows as many.
template<std::size_t Width> using RowTemplate = std::array<char, Width>;
template<std::size_t Width>
using RowTemplates = std::array<RowTemplate<Width>, kDigitIndexes * kDigitIndexes>;

template<std::size_t Width> constexpr RowTemplates<Width> rowTemplates(RowKind kind)
{
    RowTemplates<Width> rows {};
    for (int high = 0; high < kDigitIndexes; ++high) {
        for (int low = 0; low < kDigitIndexes; ++low) {
            RowTemplate<Width> &row = rows[static_cast<std::size_t>(high * kDigitIndexes + low)];
            row.fill(' ');
            const int value = byteValue(high, low);
            writeLeftAligned(row.data() + columnAt(kind, Column::Decimal), 3, value);
            writeDigitBits(high, row.data() + columnAt(kind, Column::Binary));
            writeDigitBits(low, row.data() + columnAt(kind, Column::Binary) + 4);
            row[columnAt(kind, Column::Character)] = static_cast<char>(value);
        }
    }
    return rows;
}

constexpr auto kExportRowTemplates = rowTemplates<ExportRow::size()>(RowKind::Export);
constexpr auto kListRowTemplates = rowTemplates<ListRow::size()>(RowKind::List);

// Nr. right-aligned in 4 characters, for every odd Nr. of a load.
constexpr auto kNrTexts = rightAlignedTexts<4, kPairCount>(kFirstNr, 2);

[[gnu::noinline, gnu::cold]] std::array<char, 4> otherNrText(int nr)
{
    std::array<char, 4> text {};
    writeRightAligned(text.data(), 4, nr);
    return text;
}

std::array<char, 4> nrText(int nr)
{
    if (nr >= kFirstNr && nr <= kLastNr && nr % 2 == 1) [[likely]]
        return kNrTexts[static_cast<std::size_t>(nr / 2)];
    return otherNrText(nr);
}

// A row from its template, the pair's Nr. and characters put in.
template<RowKind Kind, std::size_t Width>
void writeRow(const RowTemplates<Width> &templates, char high, char low, int nr, char *row)
{
    constexpr std::size_t nrAt = columnAt(Kind, Column::Nr);
    constexpr std::size_t hexAt = columnAt(Kind, Column::Hex);
    std::memcpy(row, templates[textsIndex(high, low)].data(), Width);
    const char hex[2] = {high, low};
    std::memcpy(row + nrAt, nrText(nr).data(), 4);
    std::memcpy(row + hexAt, hex, 2);
}

template<RowKind Kind, std::size_t Width>
FixedText<Width> rowOf(const RowTemplates<Width> &templates, char high, char low, int nr)
{
    FixedText<Width> row;
    writeRow<Kind>(templates, high, low, nr, row.data());
    return row;
}

// The pair's characters stand first in an entry, as its hexText, highDigit and
// lowDigit: written as one piece.
static_assert(offsetof(CaptureByte, highDigit) == 2 && offsetof(CaptureByte, lowDigit) == 3);

} // namespace

void CaptureByte::reset()
{
    std::memcpy(static_cast<void *>(this), &kBlank, offsetof(CaptureByte, rowText));
}

CaptureByte captureByteOf(char high, char low, int nr)
{
    CaptureByte entry;
    const char digits[4] = {high, low, high, low};
    std::memcpy(reinterpret_cast<char *>(&entry), digits, 4);
    const int highIndex = kDigitIndexOf[static_cast<unsigned char>(high)];
    const int lowIndex = kDigitIndexOf[static_cast<unsigned char>(low)];
    const int value = byteValue(highIndex, lowIndex);
    entry.highValue = static_cast<std::int16_t>(value / 16);
    entry.lowValue = static_cast<std::int16_t>(value % 16);
    writeLeftAligned(entry.decimalText.data(), 3, value);
    writeDigitBits(highIndex, entry.highBits.data());
    writeDigitBits(lowIndex, entry.lowBits.data());
    std::memcpy(entry.binaryText.data(), entry.highBits.data(), 4);
    std::memcpy(entry.binaryText.data() + 4, entry.lowBits.data(), 4);
    entry.character[0] = static_cast<char>(value);
    entry.rowText = exportRowOf(high, low, nr);
    return entry;
}

ListRow listRowOf(char high, char low, int nr)
{
    return rowOf<RowKind::List>(kListRowTemplates, high, low, nr);
}

ExportRow exportRowOf(char high, char low, int nr)
{
    return rowOf<RowKind::Export>(kExportRowTemplates, high, low, nr);
}

char characterOf(char high, char low)
{
    return static_cast<char>(16 * kDigitValueOf[static_cast<unsigned char>(high)]
                             + kDigitValueOf[static_cast<unsigned char>(low)]);
}

CaptureByte ByteTable::at(int nr) const
{
    if (nr < 0 || nr > kLastEntryNr)
        throw std::out_of_range("ByteTable::at: no entry Nr. " + std::to_string(nr));
    if (!isPair(nr))
        return kBlank;
    if (converted_)
        return captureByteOf(high(nr), low(nr), nr);
    CaptureByte entry = kBlank;
    entry.rowText = rowText(nr);
    return entry;
}

ExportRow ByteTable::rowText(int nr) const
{
    return rowsWritten_ && isPair(nr) ? exportRowOf(high(nr), low(nr), nr) : kBlank.rowText;
}

void ByteTable::appendRowTexts(std::string &out, std::string_view lineEnd) const
{
    constexpr std::size_t width = ExportRow::size();
    const std::size_t lineSize = width + lineEnd.size();
    const std::size_t start = out.size();
    out.resize(start + kPairCount * lineSize, ' ');
    char *line = out.data() + start;
    for (int nr = kFirstNr; nr <= kLastNr; nr += 2, line += lineSize) {
        if (rowsWritten_)
            writeRow<RowKind::Export>(kExportRowTemplates, high(nr), low(nr), nr, line);
        std::memcpy(line + width, lineEnd.data(), lineEnd.size());
    }
}

void ByteTable::reset()
{
    characters_ = blankCharacters();
    converted_ = false;
}

void ByteTable::convert(const PreparedText &pairs)
{
    pairs_ = pairs;
    for (std::size_t i = 0; i < characters_.size(); ++i)
        characters_[i] = characterOf(pairs[2 * i], pairs[2 * i + 1]);
    converted_ = true;
    rowsWritten_ = true;
}

} // namespace orvant
