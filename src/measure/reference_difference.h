#pragma once

#include "measure/shown_scale.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace orvant {

// A known-good curve to compare captures with: its samples (index 0 is sample 1) and
// the scale it was shown with.
struct ReferenceCurve
{
    std::vector<std::int16_t> values;
    ShownScale scale;
};

// How far a sample may lie from the reference and still be within: ± volts, and ±
// samples in time (a sample is within when one reference sample that near is that near
// in volts).
struct ReferenceBand
{
    double volts = 0;
    int samples = 0;
};

// The shown curve against the reference, sample by sample: in volts where both have a
// volts scale, in divisions where neither has; `within` needs volts.
struct ReferenceDifference
{
    double rms = 0;
    double maximum = 0; // the largest difference, either way, as a magnitude
    bool inVolts = false;
    std::optional<bool> within;
};

// None when only one of the two has a volts scale: volts and divisions do not mix.
std::optional<ReferenceDifference> compareWithReference(std::span<const std::int16_t> values,
                                                        const ShownScale &scale,
                                                        const ReferenceCurve &reference,
                                                        const ReferenceBand &band);

// The differences as the Measurements window shows them: "RMS difference" and
// "Largest difference", in V (or div), "—" where only one of the two has a volts scale.
std::vector<std::pair<std::string, std::string>>
referenceTexts(const std::optional<ReferenceDifference> &difference);

// A reference and its band, as a folder of captures is checked against it.
struct ReferenceComparison
{
    ReferenceCurve curve;
    ReferenceBand band;
};

// Why compareWithReference() has no figures for a capture of this scale: "the reference
// has a volts scale and this capture none" or the other way round.
std::string referenceMismatchReason(const ShownScale &scale);

} // namespace orvant
