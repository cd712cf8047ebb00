#include "measure/pulse_marks.h"

#include "measure/shown_scale.h"

#include <utility>

namespace orvant {

namespace {

using F = PulseFigure;
using Kind = PulseMark::Kind;

double xOf(double sample)
{
    return sample * kUnitsPerSample;
}

class Marks
{
public:
    explicit Marks(const PulseAnalysis &analysis)
        : a_(analysis)
    {
    }

    // A level across the measured samples.
    void level(double fraction, std::string label)
    {
        const double y = a_.level(fraction);
        line(xOf(a_.range.first), y, xOf(a_.range.last), y, std::move(label));
    }
    void line(double x1, double y1, double x2, double y2, std::string label = {})
    {
        marks_.push_back({Kind::Line, x1, y1, x2, y2, std::move(label)});
    }
    void point(double x, double y) { marks_.push_back({Kind::Point, x, y, 0, 0, {}}); }

    // A transition's two reference level points, and at each instant a line from one
    // reference level to the other: the time between the lines is what was measured.
    void edge(const PulseTransition &t)
    {
        const double first = a_.level(t.rising ? 0.1 : 0.9);
        const double second = a_.level(t.rising ? 0.9 : 0.1);
        point(xOf(t.start), first);
        point(xOf(t.end), second);
        line(xOf(t.start), first, xOf(t.start), second);
        line(xOf(t.end), first, xOf(t.end), second);
    }
    void edges(bool rising)
    {
        level(0.1, "10 %");
        level(0.9, "90 %");
        for (const PulseTransition &t : a_.transitions) {
            if (t.rising == rising)
                edge(t);
        }
    }
    // From one transition's 50 % instant to the next one's.
    void width(const PulseTransition &from, const PulseTransition &to, std::string label)
    {
        const double y = a_.level(0.5);
        line(xOf(from.mesial), y, xOf(to.mesial), y, std::move(label));
        point(xOf(from.mesial), y);
        point(xOf(to.mesial), y);
    }
    void widths(bool positive)
    {
        level(0.5, "50 %");
        const auto &t = a_.transitions;
        std::string label = "width"; // on the first only
        for (std::size_t n = 0; n + 1 < t.size(); ++n) {
            if (t[n].rising == positive)
                width(t[n], t[n + 1], std::exchange(label, {}));
        }
    }
    // The whole periods: a line at each rising 50 % instant, the positive widths between.
    void periods()
    {
        level(0.5, "50 %");
        const auto &t = a_.transitions;
        std::size_t last = t.size();
        while (last > 0 && !t[last - 1].rising)
            --last;
        std::string label = "period";
        for (std::size_t n = 0; n < last; ++n) {
            if (!t[n].rising)
                continue;
            line(xOf(t[n].mesial), a_.base, xOf(t[n].mesial), a_.top, std::exchange(label, {}));
            if (n + 1 < last)
                width(t[n], t[n + 1], {});
        }
    }
    // The peak beyond a state level, and a line from the level to it.
    void peak(const std::optional<PulseSample> &sample, double fraction)
    {
        if (!sample)
            return;
        const double y = a_.level(fraction);
        point(xOf(sample->at), sample->value);
        line(xOf(sample->at), y, xOf(sample->at), sample->value);
    }

    std::vector<PulseMark> done() { return std::move(marks_); }

private:
    const PulseAnalysis &a_;
    std::vector<PulseMark> marks_;
};

} // namespace

std::vector<PulseMark> pulseMarks(const PulseAnalysis &analysis, PulseFigure figure)
{
    if (!pulseMeasurements(analysis)[figure].shown())
        return {};
    Marks marks(analysis);
    const auto &transitions = analysis.transitions;
    switch (figure) {
    case F::Top:
        marks.level(1, "top");
        break;
    case F::Base:
        marks.level(0, "base");
        break;
    case F::Amplitude: {
        marks.level(1, "top");
        marks.level(0, "base");
        const double middle = xOf((analysis.range.first + analysis.range.last) / 2.0);
        marks.line(middle, analysis.base, middle, analysis.top, "amplitude");
        break;
    }
    case F::RiseTime:
    case F::RiseEdges:
        marks.edges(true);
        break;
    case F::FallTime:
    case F::FallEdges:
        marks.edges(false);
        break;
    case F::SlewRate:
        marks.level(0.1, "10 %");
        marks.level(0.9, "90 %");
        marks.edge(transitions.front());
        break;
    case F::Overshoot:
        marks.edge(transitions.front());
        marks.level(transitions.front().rising ? 1 : 0,
                    transitions.front().rising ? "top" : "base");
        marks.peak(analysis.peakAfter, transitions.front().rising ? 1 : 0);
        break;
    case F::Preshoot:
        marks.edge(transitions.front());
        marks.level(transitions.front().rising ? 0 : 1,
                    transitions.front().rising ? "base" : "top");
        marks.peak(analysis.peakBefore, transitions.front().rising ? 0 : 1);
        break;
    case F::PositiveWidth:
        marks.widths(true);
        break;
    case F::NegativeWidth:
        marks.widths(false);
        break;
    case F::DutyCycle:
        marks.periods();
        break;
    }
    return marks.done();
}

} // namespace orvant
