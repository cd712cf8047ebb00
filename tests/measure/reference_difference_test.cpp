#include "measure/reference_difference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace orvant {
namespace {

constexpr double kDivision = 25.25; // sample values a division

ShownScale voltsScale(std::optional<double> perDivision)
{
    ShownScale scale;
    scale.volts.perDivision = perDivision;
    return scale;
}

std::vector<std::int16_t> curveOf(const std::function<int(int)> &value)
{
    std::vector<std::int16_t> values;
    for (int k = 0; k < 512; ++k)
        values.push_back(static_cast<std::int16_t>(value(k)));
    return values;
}

int square(int k)
{
    return (k / 32) % 2 ? 181 : 81;
}

TEST(ReferenceDifference, FiguresAndBandAgainstAKnownDifference)
{
    const ReferenceCurve reference {curveOf(square), voltsScale(1.0)};
    const struct
    {
        const char *name;
        std::function<int(int)> shown;
        std::optional<double> perDivision;
        ReferenceBand band;
        double rms, maximum; // in volts
        bool within;
    } cases[] = {
        {"the same", square, 1.0, {}, 0, 0, true},
        // Five values up everywhere: 5 / 25.25 V.
        {"offset",
         [](int k) { return square(k) + 5; },
         1.0,
         {0.2, 0},
         5 / kDivision,
         5 / kDivision,
         true},
        {"offset beyond the band",
         [](int k) { return square(k) + 5; },
         1.0,
         {0.19, 0},
         5 / kDivision,
         5 / kDivision,
         false},
        // One sample late: 16 edges of 100 values each differ.
        {"late, no time band",
         [](int k) { return square(std::max(0, k - 1)); },
         1.0,
         {0, 0},
         std::sqrt(15 * 100.0 * 100.0 / 512) / kDivision,
         100 / kDivision,
         false},
        {"late within a sample",
         [](int k) { return square(std::max(0, k - 1)); },
         1.0,
         {0, 1},
         std::sqrt(15 * 100.0 * 100.0 / 512) / kDivision,
         100 / kDivision,
         true},
        // The same values at 2 V a division: 50 values from the centre line are 2 V
        // beside 1 V a division, a difference of 50 / 25.25 V at every sample.
        {"another scale", square, 2.0, {0.01, 3}, 50 / kDivision, 50 / kDivision, false},
        {"a spike",
         [](int k) { return k == 300 ? square(k) + 40 : square(k); },
         1.0,
         {1.6, 0},
         40 / std::sqrt(512.0) / kDivision,
         40 / kDivision,
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto d
            = compareWithReference(curveOf(c.shown), voltsScale(c.perDivision), reference, c.band);
        ASSERT_TRUE(d);
        EXPECT_TRUE(d->inVolts);
        EXPECT_NEAR(d->rms, c.rms, 1e-12);
        EXPECT_NEAR(d->maximum, c.maximum, 1e-12);
        EXPECT_EQ(d->within, c.within);
    }
}

TEST(ReferenceDifference, DivisionsWithoutScalesAndNoneWhenOnlyOneHasVolts)
{
    const ReferenceCurve scaled {curveOf(square), voltsScale(1.0)};
    const ReferenceCurve plain {curveOf(square), voltsScale(std::nullopt)};
    const auto shifted = curveOf([](int k) { return square(k) - 10; });

    const auto divisions = compareWithReference(shifted, voltsScale(std::nullopt), plain, {});
    ASSERT_TRUE(divisions);
    EXPECT_FALSE(divisions->inVolts);
    EXPECT_NEAR(divisions->rms, 10 / kDivision, 1e-12);
    EXPECT_FALSE(divisions->within); // a band needs volts

    EXPECT_FALSE(compareWithReference(shifted, voltsScale(std::nullopt), scaled, {}));
    EXPECT_FALSE(compareWithReference(shifted, voltsScale(1.0), plain, {}));
    EXPECT_EQ(referenceMismatchReason(voltsScale(std::nullopt)),
              "the reference has a volts scale and this capture none");
    EXPECT_EQ(referenceMismatchReason(voltsScale(1.0)),
              "the reference has no volts scale and this capture one");
}

} // namespace
} // namespace orvant
