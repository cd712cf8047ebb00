#pragma once

#include <cstddef>
#include <vector>

namespace orvant {

// What the Zoom window shows of the record, in the record's own units: time as sample
// positions (sample k at k, 1 to 512), values as codes (0 to 255), so it stays valid
// whatever the shown scale and from one load to the next.
struct ZoomSpan
{
    double firstSample = 0;
    double lastSample = 0;
    double lowCode = 0;
    double highCode = 0;
    bool operator==(const ZoomSpan &) const = default;
};

// The whole record: samples 1 to 512, codes 0 to 255.
ZoomSpan wholeRecord();
// The narrowest span shown: 4 samples across, 2 codes up.
constexpr double kNarrowestSamples = 4.0;
constexpr double kNarrowestCodes = 2.0;

// Zooms in by `factor` (above 1: in, below 1: out) keeping `anchor` where it is; the
// span stays within the whole record and no narrower than the narrowest.
ZoomSpan zoomTime(const ZoomSpan &span, double factor, double anchorSample);
ZoomSpan zoomValues(const ZoomSpan &span, double factor, double anchorCode);
// Moves the span by the given amounts, stopping at the record's edges.
ZoomSpan pan(const ZoomSpan &span, double samples, double codes);
// The rectangle between two corners (in either order), within the record.
ZoomSpan zoomToRectangle(double sample1, double code1, double sample2, double code2);

// How wide one sample interval is on `pixels` across the span; samples are drawn as
// dots from kDotWidth pixels on.
double sampleWidth(const ZoomSpan &span, double pixels);
constexpr double kDotWidth = 4.0;
bool showsDots(const ZoomSpan &span, double pixels);

// A span shown over a rectangle of pixels, and where a sample position and a code lie
// on it; the inverse functions give the record's units at a pixel position.
struct ZoomView
{
    ZoomSpan span = wholeRecord();
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    bool operator==(const ZoomView &) const = default;
};
double xOfSample(const ZoomView &view, double sample);
double yOfCode(const ZoomView &view, double code);
double sampleAtX(const ZoomView &view, double x);
double codeAtY(const ZoomView &view, double y);

// The span shown with the zooms before it: Backspace goes back one zoom; pans move
// the shown span and keep the history.
class ZoomHistory
{
public:
    const ZoomSpan &shown() const { return shown_; }
    // A zoom: the span shown before it can be had back by undo().
    void zoom(const ZoomSpan &span);
    // A pan: the shown span moves, no step of history.
    void move(const ZoomSpan &span);
    // Back to the span before the last zoom; false when there was none.
    bool undo();
    // The whole record, as a zoom.
    void home() { zoom(wholeRecord()); }
    std::size_t depth() const { return before_.size(); }

private:
    ZoomSpan shown_ = wholeRecord();
    std::vector<ZoomSpan> before_;
};

} // namespace orvant
