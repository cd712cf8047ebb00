#pragma once

#include "shared/fixed_text.h"

#include <array>
#include <cstdint>
#include <vector>

namespace orvant {

constexpr int kSampleCount = 512;

// One waveform sample; k (1 to 512) is the index in CurveTable.
struct CurveSample
{
    FixedText<4> sampleText; // "&H" and the two characters of the capture
    std::int16_t sampleValue = 0;
    FixedText<22> rowText; // the sample's line of the export file
};

// Samples 1 to 512. Never reset: a sample a load cannot convert keeps its value.
class CurveTable
{
public:
    CurveSample &at(int k) { return samples_.at(static_cast<std::size_t>(k)); }
    const CurveSample &at(int k) const { return samples_.at(static_cast<std::size_t>(k)); }

private:
    std::array<CurveSample, kSampleCount + 1> samples_ {};
};

// The values of samples 1 to 512, at index 0 to 511.
inline std::vector<std::int16_t> sampleValues(const CurveTable &curve)
{
    std::vector<std::int16_t> values(kSampleCount);
    for (int k = 1; k <= kSampleCount; ++k)
        values[static_cast<std::size_t>(k - 1)] = curve.at(k).sampleValue;
    return values;
}

} // namespace orvant
