#include "measure/pulse_measurements.h"

#include "shared/curve_sample.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

constexpr const char *kUnknown = "\u2014";
constexpr double kLow = 0.1;
constexpr double kMesial = 0.5;
constexpr double kHigh = 0.9;
constexpr int kCodes = 256;

using Info = PulseFigureInfo;
using Q = PulseQuantity;
using F = PulseFigure;

constexpr std::array<Info, kPulseFigureCount> kFigures {{
    {F::Top, "Top", "top", Q::Level, ""},
    {F::Base, "Base", "base", Q::Level, ""},
    {F::Amplitude, "Amplitude", "amplitude", Q::Span, ""},
    {F::RiseTime, "Rise time", "rise_time", Q::Duration, "<"},
    {F::FallTime, "Fall time", "fall_time", Q::Duration, "<"},
    {F::RiseEdges, "Rising edges", "rise_edges", Q::Count, ""},
    {F::FallEdges, "Falling edges", "fall_edges", Q::Count, ""},
    {F::Overshoot, "Overshoot", "overshoot_percent", Q::Percent, ""},
    {F::Preshoot, "Preshoot", "preshoot_percent", Q::Percent, ""},
    {F::PositiveWidth, "Positive width", "positive_width", Q::Duration, ""},
    {F::NegativeWidth, "Negative width", "negative_width", Q::Duration, ""},
    {F::DutyCycle, "Duty cycle at 50 %", "", Q::Percent, ""},
    {F::SlewRate, "Slew rate", "slew_rate", Q::SlewRate, ">"},
}};

std::size_t slot(PulseFigure figure)
{
    return static_cast<std::size_t>(figure);
}

// A state level at the end of the codes may stand for any level beyond.
bool atCodesEnd(int code)
{
    return code <= 0 || code >= kCodes - 1;
}

// The modes of the histogram's lower and upper halves, split at the middle of the
// range of values; ties go to the outer value.
void stateLevels(std::span<const int> values, PulseAnalysis &analysis)
{
    std::array<int, kCodes> counts {};
    int lowest = kCodes - 1;
    int highest = 0;
    for (const int v : values) {
        const int code = std::clamp(v, 0, kCodes - 1);
        ++counts[static_cast<std::size_t>(code)];
        lowest = std::min(lowest, code);
        highest = std::max(highest, code);
    }
    const double middle = (lowest + highest) / 2.0;
    analysis.base = lowest;
    analysis.top = highest;
    for (int code = lowest; code <= highest; ++code) {
        const int count = counts[static_cast<std::size_t>(code)];
        if (code < middle && count > counts[static_cast<std::size_t>(analysis.base)])
            analysis.base = code;
        if (code >= middle && count >= counts[static_cast<std::size_t>(analysis.top)])
            analysis.top = code;
    }
    if (lowest == highest)
        analysis.base = analysis.top = lowest;
}

// Where the line from value `before` at `i - 1` to `after` at `i` meets `level`.
double crossing(double i, double before, double after, double level)
{
    return i - 1 + (level - before) / (after - before);
}

// The transitions found by the states the samples are in: low at or below the 10 %
// level, high at or above the 90 % level. A transition goes from one state to the other;
// its instants are the last crossings of the levels before it reaches the other state.
std::vector<PulseTransition> transitionsOf(std::span<const int> s, int firstSample, double low,
                                           double mesial, double high)
{
    std::vector<PulseTransition> found;
    enum class State { Unknown, Low, High } state = State::Unknown;
    PulseTransition up {true, 0, 0, 0, false};
    PulseTransition down {false, 0, 0, 0, false};
    int insideUp = 0;
    int insideDown = 0;
    for (std::size_t n = 0; n < s.size(); ++n) {
        const double v = s[n];
        const double i = firstSample + static_cast<double>(n);
        if (n > 0) {
            const double p = s[n - 1];
            if (p <= low && v > low) {
                up.start = crossing(i, p, v, low);
                insideUp = 0;
            }
            if (p < mesial && v >= mesial)
                up.mesial = crossing(i, p, v, mesial);
            if (p >= high && v < high) {
                down.start = crossing(i, p, v, high);
                insideDown = 0;
            }
            if (p > mesial && v <= mesial)
                down.mesial = crossing(i, p, v, mesial);
        }
        if (v > low && v < high) {
            ++insideUp;
            ++insideDown;
        }
        if (v >= high) {
            if (state == State::Low) {
                up.end = crossing(i, s[n - 1], v, high);
                up.fasterThanSample = insideUp == 0;
                found.push_back(up);
            }
            state = State::High;
        } else if (v <= low) {
            if (state == State::High) {
                down.end = crossing(i, s[n - 1], v, low);
                down.fasterThanSample = insideDown == 0;
                found.push_back(down);
            }
            state = State::Low;
        }
    }
    return found;
}

// The extreme samples after the first transition up to the next one, and before it:
// beyond the state it reaches (towards overshoot) and the one it leaves (preshoot).
void aberrationPeaks(std::span<const int> s, PulseAnalysis &analysis)
{
    if (analysis.transitions.empty())
        return;
    const PulseTransition &first = analysis.transitions.front();
    const double until = analysis.transitions.size() > 1 ? analysis.transitions[1].start
                                                         : analysis.range.last + 1.0;
    const auto keep = [](std::optional<PulseSample> &peak, PulseSample sample, bool highest) {
        if (!peak || (highest ? sample.value > peak->value : sample.value < peak->value))
            peak = sample;
    };
    for (std::size_t n = 0; n < s.size(); ++n) {
        const PulseSample sample {analysis.range.first + static_cast<int>(n), s[n]};
        if (sample.at > first.end && sample.at < until)
            keep(analysis.peakAfter, sample, first.rising);
        else if (sample.at < first.start)
            keep(analysis.peakBefore, sample, !first.rising);
    }
}

PulseValue value(double number)
{
    return {number, PulseReason::None};
}

PulseValue blank(PulseReason reason)
{
    return {0, reason};
}

// The mean duration of the transitions one way; one faster than a sample counts as a
// whole sample and makes the mean an upper bound.
PulseValue meanDuration(const std::vector<PulseTransition> &transitions, bool rising)
{
    double sum = 0;
    int count = 0;
    bool bound = false;
    for (const PulseTransition &t : transitions) {
        if (t.rising != rising)
            continue;
        sum += t.fasterThanSample ? 1.0 : t.end - t.start;
        bound = bound || t.fasterThanSample;
        ++count;
    }
    if (count == 0)
        return blank(rising ? PulseReason::NoRisingEdge : PulseReason::NoFallingEdge);
    return {sum / count, bound ? PulseReason::FasterThanOneSample : PulseReason::None};
}

// The mean time from a transition one way at 50 % to the next one back.
PulseValue meanWidth(const std::vector<PulseTransition> &transitions, bool positive)
{
    double sum = 0;
    int count = 0;
    for (std::size_t n = 0; n + 1 < transitions.size(); ++n) {
        if (transitions[n].rising == positive) {
            sum += transitions[n + 1].mesial - transitions[n].mesial;
            ++count;
        }
    }
    if (count > 0)
        return value(sum / count);
    const bool opens = std::any_of(transitions.begin(), transitions.end(),
                                   [positive](const auto &t) { return t.rising == positive; });
    // Without the opening transition that one is missing, else the closing one.
    return blank(opens == positive ? PulseReason::NoFallingEdge : PulseReason::NoRisingEdge);
}

// The positive share of the whole periods between the first and the last rising 50 %
// instant; two periods at least.
PulseValue dutyCycle(const std::vector<PulseTransition> &transitions)
{
    std::vector<std::size_t> rises;
    for (std::size_t n = 0; n < transitions.size(); ++n) {
        if (transitions[n].rising)
            rises.push_back(n);
    }
    if (rises.size() < 3)
        return blank(PulseReason::FewerThanTwoPeriods);
    double high = 0;
    for (std::size_t r = 0; r + 1 < rises.size(); ++r)
        high += transitions[rises[r] + 1].mesial - transitions[rises[r]].mesial;
    const double span = transitions[rises.back()].mesial - transitions[rises.front()].mesial;
    return value(high / span * 100);
}

PulseValue aberration(const std::optional<PulseSample> &peak, const PulseAnalysis &a, bool above,
                      PulseReason none)
{
    if (!peak)
        return blank(none);
    const double beyond = above ? peak->value - a.top : a.base - peak->value;
    return value(std::max(0.0, beyond) / a.amplitude() * 100);
}

} // namespace

std::string_view reasonText(PulseReason reason)
{
    switch (reason) {
    case PulseReason::None:
        break;
    case PulseReason::NoRisingEdge:
        return "no rising edge";
    case PulseReason::NoFallingEdge:
        return "no falling edge";
    case PulseReason::NoEdge:
        return "no edge";
    case PulseReason::Clipped:
        return "clipped";
    case PulseReason::FewerThanTwoPeriods:
        return "fewer than two periods";
    case PulseReason::FasterThanOneSample:
        return "faster than one sample";
    case PulseReason::NothingAfterEdge:
        return "no sample after the edge";
    case PulseReason::NothingBeforeEdge:
        return "no sample before the edge";
    }
    return "";
}

std::span<const PulseFigureInfo> pulseFigures()
{
    return kFigures;
}

const PulseFigureInfo &pulseFigureInfo(PulseFigure figure)
{
    return kFigures[slot(figure)];
}

bool PulseAnalysis::clipped() const
{
    return atCodesEnd(top) || atCodesEnd(base);
}

PulseAnalysis analysePulse(std::span<const int> values, int firstSample)
{
    PulseAnalysis analysis;
    analysis.range = {firstSample, firstSample + static_cast<int>(values.size()) - 1};
    if (values.empty())
        return analysis;
    stateLevels(values, analysis);
    if (analysis.top == analysis.base || analysis.clipped())
        return analysis;
    analysis.transitions = transitionsOf(values, firstSample, analysis.level(kLow),
                                         analysis.level(kMesial), analysis.level(kHigh));
    aberrationPeaks(values, analysis);
    return analysis;
}

PulseAnalysis analysePulse(const CurveTable &curve, SampleRange range)
{
    const GatedValues gated(curve, range);
    return analysePulse(gated.values(), range.first);
}

PulseValue PulseMeasurements::operator[](PulseFigure figure) const
{
    return {values_[slot(figure)], reasons_[slot(figure)]};
}

void PulseMeasurements::set(PulseFigure figure, PulseValue value)
{
    values_[slot(figure)] = value.value;
    reasons_[slot(figure)] = value.reason;
}

PulseMeasurements pulseMeasurements(const PulseAnalysis &a)
{
    PulseMeasurements m;
    m.set(F::Top, atCodesEnd(a.top) ? blank(PulseReason::Clipped) : value(a.top));
    m.set(F::Base, atCodesEnd(a.base) ? blank(PulseReason::Clipped) : value(a.base));
    if (a.clipped()) {
        for (const Info &info : kFigures) {
            if (info.figure != F::Top && info.figure != F::Base)
                m.set(info.figure, blank(PulseReason::Clipped));
        }
        return m;
    }
    m.set(F::Amplitude, value(a.amplitude()));
    const auto edges = [&a](bool rising) {
        return static_cast<double>(
            std::count_if(a.transitions.begin(), a.transitions.end(),
                          [=](const auto &t) { return t.rising == rising; }));
    };
    m.set(F::RiseEdges, value(edges(true)));
    m.set(F::FallEdges, value(edges(false)));
    m.set(F::RiseTime, meanDuration(a.transitions, true));
    m.set(F::FallTime, meanDuration(a.transitions, false));
    m.set(F::PositiveWidth, meanWidth(a.transitions, true));
    m.set(F::NegativeWidth, meanWidth(a.transitions, false));
    m.set(F::DutyCycle, dutyCycle(a.transitions));
    if (a.transitions.empty()) {
        for (const F figure : {F::Overshoot, F::Preshoot, F::SlewRate})
            m.set(figure, blank(PulseReason::NoEdge));
        return m;
    }
    const PulseTransition &first = a.transitions.front();
    m.set(F::Overshoot, aberration(a.peakAfter, a, first.rising, PulseReason::NothingAfterEdge));
    m.set(F::Preshoot, aberration(a.peakBefore, a, !first.rising, PulseReason::NothingBeforeEdge));
    const double levels = a.level(kHigh) - a.level(kLow);
    m.set(F::SlewRate,
          first.fasterThanSample ? PulseValue {levels, PulseReason::FasterThanOneSample}
                                 : value(levels / (first.end - first.start)));
    return m;
}

PulseMeasurements measurePulse(const CurveTable &curve, SampleRange range)
{
    return pulseMeasurements(analysePulse(curve, range));
}

PulseValue scaledPulse(const PulseMeasurements &m, PulseFigure figure, const ShownScale &scale)
{
    PulseValue v = m[figure];
    if (!v.shown())
        return v;
    const double samplesPerDivision = kUnitsPerHorizontalDivision / kUnitsPerSample;
    const auto span = [&scale](double codes) {
        return axisValue(scale.volts, codes / kUnitsPerVerticalDivision);
    };
    const auto duration = [&](double samples) {
        return axisValue(scale.time, samples / samplesPerDivision);
    };
    switch (pulseFigureInfo(figure).quantity) {
    case Q::Level:
        v.value = axisValue(scale.volts, divisionsFromCentre(v.value));
        break;
    case Q::Span:
        v.value = span(v.value);
        break;
    case Q::Duration:
        v.value = duration(v.value);
        break;
    case Q::SlewRate:
        v.value = span(v.value) / duration(1);
        break;
    case Q::Count:
    case Q::Percent:
        break;
    }
    return v;
}

std::string pulseUnit(PulseFigure figure, const ShownScale &scale)
{
    const std::string volts = scale.volts.perDivision ? "V" : "div";
    const std::string time = scale.time.perDivision ? "s" : "div";
    switch (pulseFigureInfo(figure).quantity) {
    case Q::Level:
    case Q::Span:
        return volts;
    case Q::Duration:
        return time;
    case Q::SlewRate:
        return volts + "/" + time;
    case Q::Percent:
        return "%";
    case Q::Count:
        break;
    }
    return "";
}

std::string engineeringRatio(double value, std::string_view unit)
{
    const std::size_t slash = unit.find('/');
    if (slash == std::string_view::npos)
        return engineering(value, unit);
    const std::string text = engineering(value, unit.substr(0, slash));
    return text == kUnknown ? text : text + std::string(unit.substr(slash));
}

std::vector<PulseText> pulseTexts(const PulseMeasurements &m, const ShownScale &scale)
{
    std::vector<PulseText> texts;
    texts.reserve(kFigures.size());
    for (const Info &info : kFigures) {
        const PulseValue v = scaledPulse(m, info.figure, scale);
        std::string text = kUnknown;
        if (v.shown()) {
            switch (info.quantity) {
            case Q::Count:
                text = std::to_string(static_cast<long>(v.value));
                break;
            case Q::Percent:
                text = engineering(v.value, "%");
                break;
            case Q::Level:
            case Q::Span:
                text = withMarks(engineering(v.value, pulseUnit(info.figure, scale)), scale.volts);
                break;
            case Q::Duration:
                text = withMarks(engineering(v.value, pulseUnit(info.figure, scale)), scale.time);
                break;
            case Q::SlewRate:
                text = withMarks(withMarks(engineeringRatio(v.value, pulseUnit(info.figure, scale)),
                                           scale.volts),
                                 scale.time);
                break;
            }
            if (v.bound())
                text = std::string(info.boundSign) + " " + text;
        }
        texts.push_back(
            {info.figure, std::string(info.name), text, std::string(reasonText(v.reason))});
    }
    return texts;
}

} // namespace orvant
