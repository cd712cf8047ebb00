#pragma once

#include "shared/capture_byte.h"
#include "shared/curve_sample.h"

#include <concepts>
#include <functional>
#include <optional>
#include <type_traits>

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

// The same with any callable, called directly: no std::function per sample.
template<typename LetRun>
requires std::is_invocable_r_v<bool, LetRun &> &&(
    !std::same_as<std::remove_cvref_t<LetRun>,
                  LetEventsRun>)bool buildCurveSamples(const ByteTable &table, CurveTable &curve,
                                                       LetRun &&letEventsRun)
{
    for (int k = 1; k <= kSampleCount; ++k) {
        if (!letEventsRun())
            return false;
        convertSample(table, k, curve.at(k));
    }
    return true;
}

} // namespace orvant
