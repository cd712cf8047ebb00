#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace orvant {

// Samples on each side of a point that its reconstruction weighs.
constexpr int kSincHalfWidth = 32;

// What the reconstruction weighs at one position of a record of `count` samples: the
// kernel's weights of the 64 samples around it (none at a whole sample, which is
// itself). The same for every record of that length, so many records are
// reconstructed at a position for the price of one.
struct SincWeights
{
    int count = 0;
    int firstSample = 1; // the sample the first weight applies to, or the sample itself
    bool wholeSample = false;
    std::array<double, 2 * kSincHalfWidth> weights {};
};
SincWeights sincWeights(double position, int count);

// The band-limited curve through a record's samples: each sample's sin(x)/x, tapered by
// a Blackman window 2·32 samples wide (flat within 0.01 % to 0.45 of the sample rate).
// Beyond the record's ends the samples are continued by linear prediction (order 16,
// least squares forwards and backwards), so the first and last sample intervals are
// reconstructed as well as the middle.
class SincReconstruction
{
public:
    // values[0] is sample 1.
    explicit SincReconstruction(std::span<const std::int16_t> values);

    // The value at a sample position (sample k at k), held at the record's ends
    // outside it; at a whole sample exactly that sample.
    double valueAt(double position) const;
    // The same with the weights worked out beforehand for a record of its length.
    double valueAt(const SincWeights &weights) const;
    int sampleCount() const { return count_; }

private:
    // Less the record's mean, so the kernel's gain at DC does not matter.
    std::vector<double> extended_; // kSincHalfWidth before sample 1 and after the last
    double mean_ = 0;
    int count_ = 0;
};

} // namespace orvant
