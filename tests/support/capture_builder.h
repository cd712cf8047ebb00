#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace orvant::test {

// Builds the hex text of a capture the way the instrument writes it: every byte
// a pair of upper-case hex digits; the frame number, byte count and samples are
// bytes that hold hex digit characters.
struct CaptureBuilder
{
    std::array<unsigned char, 10> lead {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19};
    // Bytes Nr. 21 to 35: channel 1 flags, volts, channel 2 flags, volts,
    // horizontal flags, time code, trigger selector, trigger value.
    std::array<unsigned char, 8> settings {0x00, 0x37, 0x00, 0x37, 0x30, 0x44, 0x32, 0x38};
    std::array<unsigned char, 2> spare {0x00, 0x00};
    std::string frame = "01";
    std::string count = "0400";
    std::vector<int> samples = std::vector<int>(512, 0x80);

    std::string hexText() const; // 2100 digits
};

// Two upper-case hex digits of a byte.
std::string hexPair(unsigned char byte);

// The whole content of a file, as bytes.
std::string readFile(const std::filesystem::path &path);

// A moment of the local clock.
std::chrono::system_clock::time_point localMoment(int year, int month, int day, int hour,
                                                  int minute, int second);

// Writes a file (binary, as given) and returns its path.
std::filesystem::path writeFile(const std::filesystem::path &path, const std::string &content);

// A fresh folder under the system's temporary folder, removed on destruction.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace orvant::test
