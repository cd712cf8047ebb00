#include "capture/preparation.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(Preparation, ShortFieldIsBlankFilledAndLongFieldCut)
{
    const std::string digits(100, '3');
    const PreparedText shortText = prepareCaptureText(digits);
    EXPECT_EQ(shortText.view().substr(0, 100), digits);
    EXPECT_EQ(shortText.view().substr(100), std::string(2010, ' '));

    const std::string longField(3000, 'A');
    EXPECT_EQ(prepareCaptureText(longField).view(), std::string(2110, 'A'));
}

TEST(Preparation, FourThreeFourEightMovesTextOnePair)
{
    std::string field = "0102030405434801020304";
    const PreparedText moved = prepareCaptureText(field);
    EXPECT_EQ(moved.view().substr(0, 2), "  ");
    EXPECT_EQ(moved.view().substr(2, field.size()), field);

    std::string full(2110, '7');
    full.replace(10, 4, "4348");
    const PreparedText cut = prepareCaptureText(full);
    EXPECT_EQ(cut.view().substr(2), full.substr(0, 2108)); // the last pair is lost

    EXPECT_EQ(prepareCaptureText("0102030405434A").view().substr(0, 2), "01");
    EXPECT_EQ(prepareCaptureText("0102030405").view().substr(0, 2), "01");
}

TEST(Preparation, OnlyCharactersElevenToFourteenCount)
{
    EXPECT_EQ(prepareCaptureText("").view(), std::string(2110, ' '));
    EXPECT_EQ(prepareCaptureText("0102030405    01").view().substr(0, 2), "01");
    EXPECT_EQ(prepareCaptureText("010203040506434801").view().substr(0, 2), "01");
    EXPECT_EQ(prepareCaptureText("010203040").view().substr(0, 2), "01");
    // A text that ends right after them moves too.
    EXPECT_EQ(prepareCaptureText("01020304054348").view().substr(0, 16), "  01020304054348");
}

} // namespace
} // namespace orvant
