// Writes the sample captures that ship inside the program, each as the
// instrument dumps it: one line of upper-case hex byte pairs ended by CR LF.
// Usage: orvant_make_samples <output folder>
#include "shared/atomic_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {
namespace {

constexpr int kSampleCount = 512;
constexpr int kCentre = 128; // the middle graticule line
constexpr int kCountsPerDivision = 32; // 256 counts over 8 divisions
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Bytes Nr. 21 to 35, in the order the instrument writes them.
struct Settings
{
    unsigned char ch1Flags; // bits 3-0: invert, variable, coupling
    unsigned char ch1Volts;
    unsigned char ch2Flags;
    unsigned char ch2Volts;
    unsigned char horizontal; // X10 MAG, XY, RO OFF, bit 0 the time range
    unsigned char timeCode;
    unsigned char triggerSelector;
    unsigned char triggerValue;
};

using Waveform = std::function<double(int sample)>;

struct SampleCapture
{
    std::string_view fileName;
    Settings settings;
    std::string_view frame; // two hex digit characters
    Waveform wave; // counts around the middle line, sample 0 to 511
    bool headerShifted = false; // the dump starts one byte early, with "CH" at bytes 6-7
};

// The ten bytes before the settings. A dump that starts one byte early has nine,
// and its bytes 6 and 7 read "CH": the reader moves such a text one pair right.
constexpr std::array<unsigned char, 10> kLead {0x02, 'D', 'U', 'M', 'P', 'C', '1', ':', ' ', ' '};
constexpr std::array<unsigned char, 9> kShiftedLead {0x02, 'D', 'U', 'M', 'P', 'C', 'H', ':', ' '};
constexpr std::array<unsigned char, 2> kSpare {';', ' '};
constexpr std::string_view kByteCount = "0400"; // 1024 sample bytes

// Channel flags: coupling in bits 1-0 (DC, AC, GND, off), as characters.
constexpr unsigned char kDc = '0';
constexpr unsigned char kAc = '1';
constexpr unsigned char kChannelOff = '3';
// Horizontal flags: one whole byte; bit 0 selects the slow time range.
constexpr unsigned char kFastRange = '0';
constexpr unsigned char kSlowRange = '1';
constexpr unsigned char kX10Mag = '2';
constexpr unsigned char kRoOff = '8';

double sine(int sample, double periods)
{
    return std::sin(kTwoPi * periods * sample / kSampleCount);
}

// Position 0 to 1 inside the current period.
double phase(int sample, double periods)
{
    const double cycles = periods * sample / kSampleCount;
    return cycles - std::floor(cycles);
}

// Reproducible noise of roughly normal spread (-1 to 1, sigma about 0.3) for
// one sample: a sum of four hashed uniform values, the same on every platform.
double noise(int sample)
{
    double sum = 0;
    for (std::uint32_t draw = 0; draw < 4; ++draw) {
        std::uint32_t h = static_cast<std::uint32_t>(sample) * 4u + draw + 0x9E3779B9u;
        h = (h ^ (h >> 16)) * 0x7FEB352Du;
        h = (h ^ (h >> 15)) * 0x846CA68Bu;
        h ^= h >> 16;
        sum += static_cast<double>(h >> 8) / static_cast<double>(1u << 24);
    }
    return sum / 2.0 - 1.0;
}

// 500 Hz at 1 mS/div: five periods, 2 V peak at 1 V/div.
double sineWave(int sample)
{
    return 2.0 * kCountsPerDivision * sine(sample, 5);
}

// 1 kHz at 0.5 mS/div: five periods of +-2.5 V at 2 V/div, each edge rising
// over a few samples with a little ringing after it.
double squareWave(int sample)
{
    const double p = phase(sample, 5);
    const double level = p < 0.5 ? 1.0 : -1.0;
    const double sinceEdge = (p < 0.5 ? p : p - 0.5) * kSampleCount / 5;
    const double settle = 1.0 - 2.0 * std::exp(-sinceEdge / 1.5);
    const double ringing = 0.12 * std::exp(-sinceEdge / 6.0) * std::sin(sinceEdge * 1.3);
    return 1.25 * kCountsPerDivision * level * (settle + ringing);
}

// A small sine buried in noise: two periods of 75 mV peak at 50 mV/div.
double noisyWave(int sample)
{
    return 1.5 * kCountsPerDivision * sine(sample, 2) + 0.8 * kCountsPerDivision * noise(sample);
}

// Sawtooth, three periods from -3 to +3 divisions.
double rampWave(int sample)
{
    return 3.0 * kCountsPerDivision * (2.0 * phase(sample, 3) - 1.0);
}

// Triangle, four periods of +-2 divisions.
double triangleWave(int sample)
{
    const double p = phase(sample, 4);
    const double rise = p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    return 2.0 * kCountsPerDivision * rise;
}

// Flat before the trigger point, then a decaying burst.
double burstWave(int sample)
{
    constexpr int kTriggerSample = 51; // one division after the left edge
    if (sample < kTriggerSample)
        return 0;
    const double t = sample - kTriggerSample;
    return 3.0 * kCountsPerDivision * std::exp(-t / 110.0) * std::sin(kTwoPi * t / 40.0);
}

// Narrow pulses from an external source, one per two divisions.
double pulseWave(int sample)
{
    return phase(sample, 5) < 0.1 ? 2.5 * kCountsPerDivision : -0.5 * kCountsPerDivision;
}

const std::vector<SampleCapture> &sampleCaptures()
{
    static const std::vector<SampleCapture> captures {
        {"Sine 1V-div 1mS-div.log",
         {kDc, '7', kChannelOff, '7', kFastRange, 'D', '2', '0'},
         "01",
         sineWave},
        {"Square 2V-div 0.5mS-div.log",
         {kAc, '8', kChannelOff, '8', kFastRange, 'C', '2', '0'},
         "02",
         squareWave},
        {"Noise 50mV-div 10uS-div.log",
         {kDc, '3', kChannelOff, '3', kFastRange, '7', '2', '0'},
         "03",
         noisyWave},
        {"Ramp 0.5V-div 20mS-div.log",
         {kDc, '6', kChannelOff, '6', kSlowRange, '1', '2', '0'},
         "04",
         rampWave},
        {"Shifted CH header Triangle 5V-div 2mS-div.log",
         {kDc, '9', kChannelOff, '9', kFastRange, 'E', '2', '0'},
         "05",
         triangleWave,
         true},
        {"Trigger CH1 + POST X10 MAG 0.2V-div 1uS-div.log",
         {kDc, '5', kChannelOff, '5', kX10Mag, '4', '2', '8'},
         "06",
         burstWave},
        {"Trigger EXT RO OFF 10V-div 50uS-div.log",
         {kDc, 'A', kChannelOff, 'A', kRoOff, '9', '3', '8'},
         "1A",
         pulseWave},
    };
    return captures;
}

void putByte(std::string &hex, unsigned char byte)
{
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
}

// Numbers and samples are stored as the characters of their hex digits.
void putDigitCharacters(std::string &hex, std::string_view digits)
{
    for (const char c : digits)
        putByte(hex, static_cast<unsigned char>(c));
}

unsigned char sampleByte(double counts)
{
    return static_cast<unsigned char>(std::clamp(std::lround(kCentre + counts), 0L, 255L));
}

void putSamples(std::string &hex, const Waveform &wave)
{
    for (int k = 0; k < kSampleCount; ++k) {
        std::string digits;
        putByte(digits, sampleByte(wave(k)));
        putDigitCharacters(hex, digits);
    }
}

std::string captureLine(const SampleCapture &capture)
{
    std::string hex;
    if (capture.headerShifted) {
        for (const unsigned char b : kShiftedLead)
            putByte(hex, b);
    } else {
        for (const unsigned char b : kLead)
            putByte(hex, b);
    }
    const Settings &s = capture.settings;
    for (const unsigned char b : {s.ch1Flags, s.ch1Volts, s.ch2Flags, s.ch2Volts, s.horizontal,
                                  s.timeCode, s.triggerSelector, s.triggerValue})
        putByte(hex, b);
    for (const unsigned char b : kSpare)
        putByte(hex, b);
    putDigitCharacters(hex, capture.frame);
    putDigitCharacters(hex, kByteCount);
    putSamples(hex, capture.wave);
    return hex + "\r\n";
}

} // namespace
} // namespace orvant

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: orvant_make_samples <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const orvant::SampleCapture &capture : orvant::sampleCaptures()) {
        const std::filesystem::path file = folder / capture.fileName;
        if (orvant::writeFileAtomically(file, orvant::captureLine(capture))) {
            std::cerr << "orvant_make_samples: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
