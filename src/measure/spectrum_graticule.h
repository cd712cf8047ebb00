#pragma once

#include "measure/spectrum.h"
#include "measure/spectrum_texts.h"

#include <optional>
#include <string>

namespace orvant {

// The spectrum's own graticule: 10 divisions across from DC to Nyquist, 10 down.
constexpr int kSpectrumDivisionsAcross = 10;
constexpr int kSpectrumDivisionsDown = 10;

// The levels the graticule spans, top to bottom, in a scale's unit.
struct LevelSpan
{
    double top = 0;
    double bottom = 0;
    double perDivision() const { return (top - bottom) / kSpectrumDivisionsDown; }
};

// dB: 10 dB a division, the top at the next multiple of 10 dB at or above the largest
// level. RMS: from 0 up to the next 1-2-5 step per division that holds the largest.
LevelSpan levelSpan(const Spectrum &spectrum, SpectrumScale scale);

// A point of the spectrum in the fractions of the graticule: x 0 (DC) to 1 (Nyquist),
// y 0 (top) to 1 (bottom), levels below the span at 1.
double fractionAcross(int bin);
double fractionDown(double level, const LevelSpan &span);
// The bin nearest to a fraction across, 0 to 256.
int binAcross(double fraction);

// "Top 0 dBV, 10 dB/div; 2.5 kHz/div": what the graticule's lines stand for.
std::string graticuleText(const Spectrum &spectrum, SpectrumScale scale, const LevelSpan &span);

} // namespace orvant
