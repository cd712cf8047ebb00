#include "capture/byte_conversion.h"
#include "capture/preparation.h"
#include "capture_builder.h"
#include "shared/hex_digit.h"

#include <gtest/gtest.h>

#include <bitset>
#include <memory>
#include <string>

namespace orvant {
namespace {

using test::CaptureBuilder;
using test::hexPair;

// A blank capture text with `pair` at Nr.
PreparedText textWithPair(int nr, std::string_view pair)
{
    std::string text(kCaptureTextLength, ' ');
    text.replace(static_cast<std::size_t>(nr - 1), pair.size(), pair);
    return PreparedText(text);
}

// The entry and its list row, as the table build writes them.
struct Converted
{
    CaptureByte entry;
    ListRow row;
};

Converted convertAt(const PreparedText &text, int nr)
{
    Converted c;
    convertPair(text, nr, c.entry, &c.row);
    return c;
}

Converted convert(int nr, std::string_view pair)
{
    return convertAt(textWithPair(nr, pair), nr);
}

std::string nrText(int nr)
{
    const std::string digits = std::to_string(nr);
    return std::string(4 - digits.size(), ' ') + digits;
}

std::string blanks(std::size_t n)
{
    return std::string(n, ' ');
}

TEST(ByteConversion, HexDigitRuleKnowsOnlyUpperCaseDigits)
{
    const std::string digits = "0123456789ABCDEF";
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        const auto at = digits.find(ch);
        const int expected = at == std::string::npos ? kNoHexDigit : static_cast<int>(at);
        EXPECT_EQ(hexDigitValue(ch, HexLetters::UpperCase), expected) << c;
    }
}

TEST(ByteConversion, EveryByteValueGivesItsTexts)
{
    for (int b = 0; b < 256; ++b) {
        const std::string pair = hexPair(static_cast<unsigned char>(b));
        const CaptureByte e = convert(2001, pair).entry;
        const std::string bits = std::bitset<8>(static_cast<unsigned long>(b)).to_string();
        EXPECT_EQ(e.hexText, pair);
        EXPECT_EQ(e.highDigit, pair.substr(0, 1));
        EXPECT_EQ(e.lowDigit, pair.substr(1, 1));
        EXPECT_EQ(e.highValue, b / 16);
        EXPECT_EQ(e.lowValue, b % 16);
        EXPECT_EQ(e.decimalText, FixedText<3>(std::to_string(b))) << b;
        EXPECT_EQ(e.highBits, bits.substr(0, 4));
        EXPECT_EQ(e.lowBits, bits.substr(4));
        EXPECT_EQ(e.binaryText, bits);
        EXPECT_EQ(e.character[0], static_cast<char>(b)) << b;
    }
}

TEST(ByteConversion, QuestionMarkAtNrOne)
{
    const auto [e, row] = convert(1, "3F");
    EXPECT_EQ(e.highValue, 3);
    EXPECT_EQ(e.lowValue, 15);
    EXPECT_EQ(e.decimalText, "63 ");
    EXPECT_EQ(e.binaryText, "00111111");
    EXPECT_EQ(e.character, "?");
    EXPECT_EQ(row, "   1  3F   63   00111111  ?");
    EXPECT_EQ(e.rowText, "   1      3F     63     00111111     ?");
}

TEST(ByteConversion, TellingPairs)
{
    const CaptureByte zero = convert(21, "30").entry;
    EXPECT_EQ(zero.decimalText, "48 ");
    EXPECT_EQ(zero.binaryText, "00110000");
    EXPECT_EQ(zero.character, "0");

    const auto [ff, ffRow] = convert(2045, "FF");
    EXPECT_EQ(ff.highValue, 15);
    EXPECT_EQ(ff.lowValue, 15);
    EXPECT_EQ(ff.binaryText, "11111111");
    EXPECT_EQ(ffRow, "2045  FF   255  11111111  \xFF");
    EXPECT_EQ(ff.rowText, "2045      FF     255    11111111     \xFF");

    // A lower-case letter is no digit: value 0 and blank bits.
    const auto [lower, lowerRow] = convert(7, "7f");
    EXPECT_EQ(lower.highValue, 7);
    EXPECT_EQ(lower.lowValue, 0);
    EXPECT_EQ(lower.lowDigit, "f");
    EXPECT_EQ(lower.decimalText, "112");
    EXPECT_EQ(lower.binaryText, "0111    ");
    EXPECT_EQ(lower.character, "p");
    EXPECT_EQ(lowerRow, "   7  7f   112  0111      p");
    EXPECT_EQ(lower.rowText, "   7      7f     112    0111         p");

    const CaptureByte halfBlank = convert(9, " 5").entry;
    EXPECT_EQ(halfBlank.hexText, " 5");
    EXPECT_EQ(halfBlank.decimalText, "5  ");
    EXPECT_EQ(halfBlank.binaryText, "    0101");
    EXPECT_EQ(halfBlank.character[0], '\x05');
}

TEST(ByteConversion, ThreeDigitValuesKeepAllDigits)
{
    const struct
    {
        const char *pair;
        const char *decimal;
    } cases[] = {{"63", "99 "}, {"64", "100"}, {"C8", "200"}, {"FF", "255"}};
    for (const auto &c : cases) {
        const auto [e, row] = convert(301, c.pair);
        EXPECT_EQ(e.decimalText, c.decimal);
        EXPECT_EQ(row.view().substr(11, 3), c.decimal);
        EXPECT_EQ(row.view().substr(14, 2), "  ");
        EXPECT_EQ(e.rowText.view().substr(17, 3), c.decimal);
        EXPECT_EQ(e.rowText.view().substr(20, 4), "    ");
    }
}

TEST(ByteConversion, BlankPairAtTheEnd)
{
    const PreparedText text = prepareCaptureText(std::string(2108, '4'));
    const auto [e, row] = convertAt(text, 2109);
    EXPECT_EQ(e.hexText, "  ");
    EXPECT_EQ(e.highValue, 0);
    EXPECT_EQ(e.lowValue, 0);
    EXPECT_EQ(e.decimalText, "0  ");
    EXPECT_EQ(e.binaryText, blanks(8));
    EXPECT_EQ(e.character[0], '\0');
    const std::string nul(1, '\0');
    EXPECT_EQ(row, "2109" + blanks(7) + "0" + blanks(14) + nul);
    EXPECT_EQ(e.rowText, "2109" + blanks(13) + "0" + blanks(19) + nul);
}

TEST(ByteConversion, BlankFirstPairIsTheByte20Hex)
{
    const PreparedText moved = prepareCaptureText("0102030405434801");
    const PreparedText empty = prepareCaptureText("");
    for (const PreparedText &text : {moved, empty}) {
        const auto [e, row] = convertAt(text, 1);
        EXPECT_EQ(e.hexText, "20");
        EXPECT_EQ(e.highValue, 2);
        EXPECT_EQ(e.lowValue, 0);
        EXPECT_EQ(e.decimalText, "32 ");
        EXPECT_EQ(e.binaryText, "00100000");
        EXPECT_EQ(e.character, " ");
        EXPECT_EQ(row, "   1  20   32   00100000   ");
        EXPECT_EQ(e.rowText, "   1      20     32     00100000      ");
    }
    // Only the first pair: a blank pair elsewhere stays blank.
    EXPECT_EQ(convertAt(moved, 3).entry.hexText, "01");
    const CaptureByte third = convertAt(empty, 3).entry;
    EXPECT_EQ(third.hexText, "  ");
    EXPECT_EQ(third.binaryText, blanks(8));
    // Half blank is no blank pair.
    EXPECT_EQ(convert(1, " 7").entry.hexText, " 7");
}

TEST(ByteConversion, ColumnsOfListRowAndRowText)
{
    const std::string hex = CaptureBuilder {}.hexText();
    for (const int nr : {1, 3, 21, 99, 101, 999, 1001, 2099, 2109}) {
        const auto [e, listRow] = convertAt(PreparedText(hex), nr);
        const std::string row(listRow.view());
        ASSERT_EQ(row.size(), 27u);
        EXPECT_EQ(row.substr(0, 4), nrText(nr));
        EXPECT_EQ(row.substr(4, 2), blanks(2));
        EXPECT_EQ(row.substr(6, 2), e.hexText.view());
        EXPECT_EQ(row.substr(8, 3), blanks(3));
        EXPECT_EQ(row.substr(11, 3), e.decimalText.view());
        EXPECT_EQ(row.substr(14, 2), blanks(2));
        EXPECT_EQ(row.substr(16, 8), e.binaryText.view());
        EXPECT_EQ(row.substr(24, 2), blanks(2));
        EXPECT_EQ(row[26], e.character[0]);

        const std::string exportRow(e.rowText.view());
        ASSERT_EQ(exportRow.size(), 38u);
        EXPECT_EQ(exportRow.substr(0, 4), nrText(nr));
        EXPECT_EQ(exportRow.substr(4, 6), blanks(6));
        EXPECT_EQ(exportRow.substr(10, 2), e.hexText.view());
        EXPECT_EQ(exportRow.substr(12, 5), blanks(5));
        EXPECT_EQ(exportRow.substr(17, 3), e.decimalText.view());
        EXPECT_EQ(exportRow.substr(20, 4), blanks(4));
        EXPECT_EQ(exportRow.substr(24, 8), e.binaryText.view());
        EXPECT_EQ(exportRow.substr(32, 5), blanks(5));
        EXPECT_EQ(exportRow[37], e.character[0]);
    }
}

TEST(ByteConversion, TableHas1055RowsNumberedOneThreeToLast)
{
    const std::string hex = CaptureBuilder {}.hexText();
    const PreparedText text = prepareCaptureText(hex);
    auto table = std::make_unique<ByteTable>();
    auto rows = std::make_unique<ListRows>();
    buildByteTable(text, *table, rows.get());

    ASSERT_EQ(rows->size(), 1055u);
    EXPECT_EQ(rows->at(0).view().substr(0, 4), "   1");
    EXPECT_EQ(rows->at(1).view().substr(0, 4), "   3");
    EXPECT_EQ(rows->back().view().substr(0, 4), "2109");
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const int nr = static_cast<int>(2 * i + 1);
        const CaptureByte &entry = table->at(nr);
        const Converted alone = convertAt(text, nr);
        EXPECT_EQ(rows->at(i), alone.row) << nr;
        EXPECT_EQ(entry.rowText, alone.entry.rowText) << nr;
        EXPECT_EQ(entry.rowText.view().substr(0, 4), nrText(nr));
        EXPECT_EQ(entry.hexText.view(), text.view().substr(i * 2, 2)) << nr;
    }
    // The pairs after the 2100 digits of the capture are blank.
    EXPECT_EQ(table->at(2099).hexText, hex.substr(2098, 2));
    EXPECT_EQ(table->at(2101).hexText, "  ");
    EXPECT_EQ(table->at(2101).character[0], '\0');
}

TEST(ByteConversion, TableKeepsRowsOverAResetAndNothingBetweenPairs)
{
    auto table = std::make_unique<ByteTable>();
    auto rows = std::make_unique<ListRows>();
    // Nothing converted yet: blank entries, blank rows.
    EXPECT_EQ(table->at(1).rowText, blanks(38));
    EXPECT_EQ(rows->at(0), blanks(27));
    std::string exportRows;
    table->appendRowTexts(exportRows, "|");
    EXPECT_EQ(exportRows.size(), 1055u * 39u);
    EXPECT_EQ(exportRows.find_first_not_of(' '), 38u);

    buildByteTable(textWithPair(53, "4A"), *table, rows.get());
    EXPECT_EQ(table->character(53), 'J');
    EXPECT_EQ(table->characters()[26], 'J');
    EXPECT_EQ(rows->at(26), "  53  4A   74   01001010  J");
    for (const int nr : {0, 2, 54, 2110, 2111}) {
        const CaptureByte between = table->at(nr);
        EXPECT_EQ(between.hexText, "  ") << nr;
        EXPECT_EQ(between.binaryText, blanks(8)) << nr;
        EXPECT_EQ(between.rowText, blanks(38)) << nr;
        EXPECT_EQ(table->character(nr), ' ') << nr;
    }
    EXPECT_THROW(table->at(-1), std::out_of_range);
    EXPECT_THROW(table->at(2112), std::out_of_range);
    EXPECT_THROW(rows->at(1055), std::out_of_range);

    // A reset blanks every field but the row text.
    table->reset();
    const CaptureByte reset = table->at(53);
    EXPECT_EQ(reset.hexText, "  ");
    EXPECT_EQ(reset.highValue, 0);
    EXPECT_EQ(reset.decimalText, blanks(3));
    EXPECT_EQ(reset.character, " ");
    EXPECT_EQ(table->character(53), ' ');
    EXPECT_EQ(reset.rowText, "  53      4A     74     01001010     J");
    exportRows.clear();
    table->appendRowTexts(exportRows, "|");
    EXPECT_EQ(exportRows.substr(26 * 39, 39), "  53      4A     74     01001010     J|");
}

} // namespace
} // namespace orvant
