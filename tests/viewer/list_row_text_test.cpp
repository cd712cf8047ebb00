#include "viewer/list_row_text.h"

#include <gtest/gtest.h>

#include <set>

namespace orvant {
namespace {

bool isControl(int byte)
{
    return byte < 32 || (byte >= 127 && byte < 160);
}

TEST(ListRowText, EveryControlByteHasItsOwnVisiblePlaceholder)
{
    std::set<char16_t> shown;
    for (int byte = 0; byte < 256; ++byte) {
        const QChar c = displayCharacter(static_cast<unsigned char>(byte));
        EXPECT_TRUE(shown.insert(c.unicode()).second) << byte; // no two bytes alike
        if (isControl(byte)) {
            EXPECT_TRUE(c.isPrint()) << byte;
            EXPECT_GE(c.unicode(), 0x2400) << byte;
        } else {
            EXPECT_EQ(c.unicode(), byte); // Latin-1
        }
    }
}

TEST(ListRowText, RowKeepsItsLengthWhateverItHolds)
{
    const std::string row("   1  0A   10   00001010  \n", 27);
    const QString text = displayText(row);
    EXPECT_EQ(text.size(), 27);
    EXPECT_EQ(text.at(26).unicode(), 0x240A);
    EXPECT_FALSE(text.contains(QLatin1Char('\n')));
    EXPECT_EQ(displayText(std::string("\xE9\0", 2)), QString::fromUtf8("\xC3\xA9\xE2\x90\x80"));
}

} // namespace
} // namespace orvant
