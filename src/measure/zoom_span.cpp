#include "measure/zoom_span.h"

#include "shared/curve_sample.h"

#include <algorithm>
#include <cmath>

namespace orvant {

namespace {

constexpr double kFirst = 1.0;
constexpr double kLast = kSampleCount;
constexpr double kLowest = 0.0;
constexpr double kHighest = 255.0;

struct Interval
{
    double low;
    double high;
};

// An interval of at least `narrowest` and at most the whole of [lowest, highest],
// moved inside it.
Interval fitted(Interval wanted, double narrowest, double lowest, double highest)
{
    const double width = std::clamp(wanted.high - wanted.low, narrowest, highest - lowest);
    const double centre = (wanted.low + wanted.high) / 2;
    const double low = std::clamp(centre - width / 2, lowest, highest - width);
    return {low, low + width};
}

Interval zoomed(Interval now, double factor, double anchor)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return now;
    const double at = std::clamp(anchor, now.low, now.high);
    return {at - (at - now.low) / factor, at + (now.high - at) / factor};
}

// Moving keeps the width: only the position is stopped at an edge.
Interval moved(Interval now, double by, double lowest, double highest)
{
    const double width = now.high - now.low;
    const double low = std::clamp(now.low + by, lowest, highest - width);
    return {low, low + width};
}

ZoomSpan spanOf(Interval time, Interval values)
{
    return {time.low, time.high, values.low, values.high};
}

Interval timeOf(const ZoomSpan &span)
{
    return {span.firstSample, span.lastSample};
}

Interval valuesOf(const ZoomSpan &span)
{
    return {span.lowCode, span.highCode};
}

} // namespace

ZoomSpan wholeRecord()
{
    return {kFirst, kLast, kLowest, kHighest};
}

ZoomSpan zoomTime(const ZoomSpan &span, double factor, double anchorSample)
{
    const Interval time
        = fitted(zoomed(timeOf(span), factor, anchorSample), kNarrowestSamples, kFirst, kLast);
    return spanOf(time, valuesOf(span));
}

ZoomSpan zoomValues(const ZoomSpan &span, double factor, double anchorCode)
{
    const Interval values
        = fitted(zoomed(valuesOf(span), factor, anchorCode), kNarrowestCodes, kLowest, kHighest);
    return spanOf(timeOf(span), values);
}

ZoomSpan pan(const ZoomSpan &span, double samples, double codes)
{
    return spanOf(moved(timeOf(span), samples, kFirst, kLast),
                  moved(valuesOf(span), codes, kLowest, kHighest));
}

ZoomSpan zoomToRectangle(double sample1, double code1, double sample2, double code2)
{
    const Interval time = fitted({std::min(sample1, sample2), std::max(sample1, sample2)},
                                 kNarrowestSamples, kFirst, kLast);
    const Interval values = fitted({std::min(code1, code2), std::max(code1, code2)},
                                   kNarrowestCodes, kLowest, kHighest);
    return spanOf(time, values);
}

double sampleWidth(const ZoomSpan &span, double pixels)
{
    return pixels / (span.lastSample - span.firstSample);
}

bool showsDots(const ZoomSpan &span, double pixels)
{
    return sampleWidth(span, pixels) >= kDotWidth;
}

void ZoomHistory::zoom(const ZoomSpan &span)
{
    if (span == shown_)
        return;
    before_.push_back(shown_);
    shown_ = span;
}

void ZoomHistory::move(const ZoomSpan &span)
{
    shown_ = span;
}

bool ZoomHistory::undo()
{
    if (before_.empty())
        return false;
    shown_ = before_.back();
    before_.pop_back();
    return true;
}

double xOfSample(const ZoomView &view, double sample)
{
    const ZoomSpan &s = view.span;
    return view.left + (sample - s.firstSample) / (s.lastSample - s.firstSample) * view.width;
}

double yOfCode(const ZoomView &view, double code)
{
    const ZoomSpan &s = view.span;
    return view.top + (s.highCode - code) / (s.highCode - s.lowCode) * view.height;
}

double sampleAtX(const ZoomView &view, double x)
{
    const ZoomSpan &s = view.span;
    return s.firstSample + (x - view.left) / view.width * (s.lastSample - s.firstSample);
}

double codeAtY(const ZoomView &view, double y)
{
    const ZoomSpan &s = view.span;
    return s.highCode - (y - view.top) / view.height * (s.highCode - s.lowCode);
}

} // namespace orvant
