#pragma once

#include "shared/capture_byte.h"
#include "shared/curve_sample.h"

#include <functional>
#include <optional>

namespace orvant {

// Called first thing for every sample, to let pending window events run.
// Returning false stops the build (the program is ending).
using LetEventsRun = std::function<bool()>;

// Value of "&H" + two characters: both must be hex digits, either letter case.
std::optional<int> sampleValueOf(char high, char low);

// Builds sample k from the characters of the pairs Nr. p and p + 2,
// p = 53 + 4 (k - 1). A text that is no hex number keeps the sample's value.
void convertSample(const ByteTable &table, int k, CurveSample &sample);

// Samples 1 to 512 in order. Returns false when letEventsRun stopped it.
bool buildCurveSamples(const ByteTable &table, CurveTable &curve,
                       const LetEventsRun &letEventsRun = {});

// What the build asks first thing for every sample; false stops it there.
class SampleEvents
{
public:
    virtual ~SampleEvents() = default;
    virtual bool letEventsRun() { return true; }
};

// The same, asking `events`: a single virtual call per sample.
bool buildCurveSamples(const ByteTable &table, CurveTable &curve, SampleEvents &events);

} // namespace orvant
