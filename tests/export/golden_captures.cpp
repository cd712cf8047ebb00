#include "golden_captures.h"

#include "capture_builder.h"

#include <cmath>
#include <numbers>

namespace orvant::test {

std::string goldenCaptureFile()
{
    CaptureBuilder capture;
    capture.lead = {0x0A, 0x0D, 0x00, 0xC8, 0xFF, 0x64, 0x7F, 0x99, 0x1B, 0x09};
    capture.settings = {0x01, 0x35, 0x00, 0x33, 0x30, 0x46, 0x32, 0x41};
    capture.spare = {0x0D, 0x0A};
    capture.frame = "07";
    capture.count = "0400";
    for (std::size_t k = 0; k < capture.samples.size(); ++k) {
        const double phase = 2.0 * std::numbers::pi * static_cast<double>(k) / 128.0;
        capture.samples[k] = static_cast<int>(std::lround(128.0 + 120.0 * std::sin(phase)));
    }
    return capture.hexText() + "\r\n";
}

std::string realignedCaptureFile()
{
    CaptureBuilder capture;
    capture.lead[5] = 0x43; // characters 11 to 14: "4348"
    capture.lead[6] = 0x48;
    capture.frame = "12";
    capture.count = "0200";
    for (std::size_t k = 0; k < capture.samples.size(); ++k)
        capture.samples[k] = static_cast<int>((k * 5) % 256);
    std::string text = capture.hexText();
    text.replace(14, 2, "7f"); // no digit in lower case
    text.replace(60, 4, "2047"); // a sample of the characters " G"
    return "\r\n  \r\n\"" + text + "\",3031\r\nignored\r\n";
}

} // namespace orvant::test
