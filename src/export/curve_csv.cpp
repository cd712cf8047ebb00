#include "export/curve_csv.h"

#include "shared/curve_sample.h"
#include "shared/shortest_number.h"

namespace orvant {

std::string curveCsv(const CurveTable &curve, const ShownScale &scale)
{
    std::string csv = "sample,time_s,value,volts\r\n";
    csv.reserve(kSampleCount * 48);
    for (int k = 1; k <= kSampleCount; ++k) {
        const int value = curve.at(k).sampleValue;
        appendShortest(csv, k);
        csv += ',';
        if (scale.time.perDivision)
            appendShortest(csv, sampleSeconds(k, scale.time));
        csv += ',';
        appendShortest(csv, value);
        csv += ',';
        if (scale.volts.perDivision)
            appendShortest(csv, sampleVolts(value, scale.volts));
        csv += "\r\n";
    }
    return csv;
}

} // namespace orvant
