#include "measure/distortion.h"
#include "measure/spectrum.h"
#include "measure/spectrum_graticule.h"
#include "measure/spectrum_texts.h"

#include "measure_fixture.h"

#include <map>

namespace orvant {
namespace {

class SpectrumTest : public MeasureTest
{
protected:
    // 1 V and 1 ms a division: 50 kHz sampling, 97.65625 Hz a bin.
    static ShownScale volts() { return shownScale(labels({{101, "1 V"}, {109, "1 mS"}})); }

    // A tone of `amplitude` codes at `bin` (may lie between bins) with a harmonic.
    static CurveTable tone(double amplitude, double bin, int order = 1, double share = 0,
                           double centre = 131)
    {
        return curve([=](int k) {
            const double phase = 2 * std::numbers::pi * bin * (k - 1) / kSpectrumPoints + 0.3;
            return static_cast<int>(std::lround(centre + amplitude * std::sin(phase)
                                                + share * amplitude * std::sin(order * phase)));
        });
    }

    static double decibels(double ratio) { return 20 * std::log10(ratio); }
};

TEST_F(SpectrumTest, ASineReadsItsRmsLevelThroughEachWindow)
{
    // 100 codes = 3.96 V amplitude; flat-top holds its level between bins too.
    const double rms = 100 / kUnitsPerVerticalDivision / std::numbers::sqrt2;
    const struct
    {
        WindowFunction window;
        double bin;
        double toleranceDb;
    } cases[] = {
        {WindowFunction::Rectangular, 40, 0.01}, {WindowFunction::Hann, 40, 0.01},
        {WindowFunction::FlatTop, 40, 0.01},     {WindowFunction::BlackmanHarris, 40, 0.01},
        {WindowFunction::FlatTop, 40.5, 0.1},    {WindowFunction::FlatTop, 40.25, 0.1},
        {WindowFunction::Hann, 40.5, 1.5},       {WindowFunction::BlackmanHarris, 40.5, 0.9},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(infoOf(c.window).name) + " at bin " + std::to_string(c.bin));
        const Spectrum s = spectrumOf(tone(100, c.bin), volts(), c.window);
        const auto peak = std::max_element(s.level.begin() + 1, s.level.end());
        EXPECT_NEAR(static_cast<double>(peak - s.level.begin()), c.bin, 0.5);
        EXPECT_NEAR(decibels(*peak / rms), 0, c.toleranceDb);
        EXPECT_TRUE(s.inVolts);
        EXPECT_DOUBLE_EQ(*s.sampleRateHz, 50000);
        EXPECT_DOUBLE_EQ(s.frequency(10), 976.5625);
    }
}

TEST_F(SpectrumTest, WindowsTheirNamesAndNoiseBandwidths)
{
    const std::map<std::string_view, double> bandwidths
        = {{"rectangular", 1.0}, {"hann", 1.5}, {"flat-top", 3.7702}, {"blackman-harris", 2.0044}};
    for (const WindowFunctionInfo &info : windowFunctions()) {
        EXPECT_EQ(windowFunctionNamed(info.name), info.window);
        const Spectrum s = spectrumOf(tone(50, 20), volts(), info.window);
        EXPECT_NEAR(s.noiseBandwidthBins, bandwidths.at(info.name), 1e-4) << info.name;
    }
    EXPECT_EQ(windowFunctionNamed("flattop"), std::nullopt);
}

TEST_F(SpectrumTest, ThirdHarmonicOfFivePercent)
{
    for (const double bin : {20.0, 20.3, 31.5}) {
        SCOPED_TRACE(bin);
        const auto analysis
            = analyseDistortion(spectrumOf(tone(60, bin, 3, 0.05), volts(), WindowFunction::Hann));
        ASSERT_TRUE(analysis);
        EXPECT_NEAR(analysis->figures.thdDb, decibels(0.05), 0.5);
        EXPECT_NEAR(analysis->figures.thdPercent, 5, 0.3);
        EXPECT_NEAR(analysis->fundamental.frequency, bin * 97.65625, 5);
        EXPECT_NEAR(analysis->figures.fundamentalLevel, 60 / 25.25 / std::numbers::sqrt2, 0.01);
        EXPECT_FALSE(analysis->figures.isBound(DistortionFigure::Thd));
        // A harmonic of 5 % stands 26 dB below: the largest spur.
        EXPECT_NEAR(analysis->figures.sfdrDb, 26, 1.5);
        ASSERT_GE(analysis->harmonics.size(), 2u);
        EXPECT_EQ(analysis->harmonics[1].order, 3);
        EXPECT_NEAR(analysis->harmonics[1].frequency, 3 * bin * 97.65625, 15);
    }
}

TEST_F(SpectrumTest, AnIdeallyQuantisedFullScaleSineIsTheRecordsFloor)
{
    // Codes 0 to 255, centred at 127.5, on and between bins.
    for (const double bin : {31.0, 31.5, 100.37}) {
        SCOPED_TRACE(bin);
        const auto analysis = analyseDistortion(
            spectrumOf(tone(127.49, bin, 1, 0, 127.5), volts(), WindowFunction::Hann));
        ASSERT_TRUE(analysis);
        const DistortionFigures &f = analysis->figures;
        EXPECT_NEAR(f.enobBits, 7.98, 0.2);
        EXPECT_NEAR(f.sinadDb, 49.9, 1.2);
        for (const auto figure : {DistortionFigure::Sinad, DistortionFigure::Enob,
                                  DistortionFigure::ThdPlusNoise, DistortionFigure::Snr})
            EXPECT_TRUE(f.isBound(figure));
    }
    // Ten times the noise of quantising: a reading, no bound.
    const auto noisy = analyseDistortion(
        spectrumOf(curve([](int k) {
                       return static_cast<int>(
                           std::lround(127.5 + 120 * std::sin(2 * std::numbers::pi * 31 * k / 512.0)
                                       + 2.5 * std::sin(k * 12.9898) * std::cos(k * 78.233) * 2));
                   }),
                   volts(), WindowFunction::Hann));
    ASSERT_TRUE(noisy);
    EXPECT_LT(noisy->figures.sinadDb, 44);
    EXPECT_FALSE(noisy->figures.isBound(DistortionFigure::Sinad));
}

TEST_F(SpectrumTest, WithoutScalesInDivisionsAndCyclesPerDivision)
{
    const ShownScale none = shownScale(labels({{101, "?"}, {109, "?"}}));
    const Spectrum s = spectrumOf(tone(50.5, 8), none, WindowFunction::Hann);
    EXPECT_FALSE(s.inVolts);
    EXPECT_FALSE(s.sampleRateHz);
    EXPECT_DOUBLE_EQ(s.frequency(8), 0.78125); // 8 cycles over 10.24 divisions
    EXPECT_NEAR(s.level[8], 2 / std::numbers::sqrt2, 0.005); // 2 div amplitude
    EXPECT_DOUBLE_EQ(s.fullScale, 127.5 / 25.25 / std::numbers::sqrt2);
    EXPECT_EQ(frequencyText(s.frequency(8), s), "0.781 cycles/div");
    EXPECT_EQ(usableScale(SpectrumScale::Dbv, s), SpectrumScale::Dbfs);
    EXPECT_EQ(levelText(s.level[8], SpectrumScale::Rms, s), "1.41 div");
}

TEST_F(SpectrumTest, AFlatLineHasNoToneAndNoDecibels)
{
    const Spectrum s = spectrumOf(curve([](int) { return 131; }), volts(), WindowFunction::Hann);
    EXPECT_EQ(analyseDistortion(s), std::nullopt);
    EXPECT_EQ(levelDbv(s.level[0]), std::nullopt);
    EXPECT_EQ(levelDbfs(0, s.fullScale), std::nullopt);
    for (const auto &[name, text] : distortionTexts(std::nullopt, s))
        EXPECT_EQ(text, "\u2014") << name;
    EXPECT_EQ(binReadout(s, 3, SpectrumScale::Dbv), "293 Hz, \u2014");
}

TEST_F(SpectrumTest, FewerSamplesArePaddedAndStillReadTheirLevel)
{
    std::vector<double> values(256);
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = 2 * std::sin(2 * std::numbers::pi * 32 * static_cast<double>(n) / 512);
    const Spectrum s = spectrumOf(values, WindowFunction::Hann, volts());
    EXPECT_EQ(s.samples, 256);
    EXPECT_NEAR(s.level[32], std::numbers::sqrt2, 1e-9);
    EXPECT_NEAR(s.noiseBandwidthBins, 3.0, 1e-9); // 1.5 bins of the unpadded record
    const auto analysis = analyseDistortion(s);
    ASSERT_TRUE(analysis);
    EXPECT_NEAR(analysis->figures.fundamentalLevel, std::numbers::sqrt2, 1e-3);
    EXPECT_EQ(analysis->fundamental.peakBin, 32);
}

TEST_F(SpectrumTest, TextsAndTheGraticule)
{
    // 2 V amplitude at bin 10: 977 Hz, 1.41 V RMS, 3.0016 dBV (NumPy, quantised).
    const Spectrum s = spectrumOf(tone(50.5, 10), volts(), WindowFunction::Hann);
    EXPECT_EQ(binReadout(s, 10, SpectrumScale::Dbv), "977 Hz, 3 dBV");
    EXPECT_EQ(binReadout(s, 10, SpectrumScale::Rms), "977 Hz, 1.41 V");
    const LevelSpan dB = levelSpan(s, SpectrumScale::Dbv);
    EXPECT_DOUBLE_EQ(dB.top, 10);
    EXPECT_DOUBLE_EQ(dB.bottom, -90);
    EXPECT_EQ(graticuleText(s, SpectrumScale::Dbv, dB), "Top 10 dBV, 10 dB/div; 2.5 kHz/div");
    const LevelSpan rms = levelSpan(s, SpectrumScale::Rms);
    EXPECT_DOUBLE_EQ(rms.top, 2); // 0.2 V a division holds 1.41 V
    EXPECT_DOUBLE_EQ(fractionDown(1, rms), 0.5);
    EXPECT_DOUBLE_EQ(fractionDown(-95, dB), 1.0);
    EXPECT_EQ(binAcross(fractionAcross(128)), 128);

    const auto analysis = analyseDistortion(s);
    ASSERT_TRUE(analysis);
    std::map<std::string, std::string> texts;
    for (const auto &[name, text] : distortionTexts(analysis, s))
        texts[name] = text;
    EXPECT_EQ(texts.at("Fundamental"), "977 Hz");
    EXPECT_EQ(texts.at("Level"), "1.41 V");
    // 50 codes of amplitude: quantising alone sets every noise figure.
    EXPECT_EQ(texts.at("SINAD").substr(0, 5), "\u2265 4");
    EXPECT_EQ(texts.at("THD+N").substr(0, 5), "\u2264 -");
}

} // namespace
} // namespace orvant
