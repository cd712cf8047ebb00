#include "export/curve_csv.h"

#include "shared/curve_sample.h"

#include <array>
#include <charconv>

namespace orvant {

namespace {

// Shortest text that reads back as exactly the same number.
template<typename Number> void appendNumber(std::string &out, Number value)
{
    std::array<char, 32> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

} // namespace

std::string curveCsv(const CurveTable &curve, const ShownScale &scale)
{
    std::string csv = "sample,time_s,value,volts\r\n";
    csv.reserve(kSampleCount * 48);
    for (int k = 1; k <= kSampleCount; ++k) {
        const int value = curve.at(k).sampleValue;
        appendNumber(csv, k);
        csv += ',';
        if (scale.time.perDivision)
            appendNumber(csv, sampleSeconds(k, scale.time));
        csv += ',';
        appendNumber(csv, value);
        csv += ',';
        if (scale.volts.perDivision)
            appendNumber(csv, sampleVolts(value, scale.volts));
        csv += "\r\n";
    }
    return csv;
}

} // namespace orvant
