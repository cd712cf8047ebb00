#include "capture_builder.h"

#include <ctime>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace orvant::test {

std::string hexPair(unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 15]};
}

std::string CaptureBuilder::hexText() const
{
    std::string text;
    for (const auto b : lead)
        text += hexPair(b);
    for (const auto b : settings)
        text += hexPair(b);
    for (const auto b : spare)
        text += hexPair(b);
    for (const char c : frame)
        text += hexPair(static_cast<unsigned char>(c));
    for (const char c : count)
        text += hexPair(static_cast<unsigned char>(c));
    for (const int s : samples) {
        for (const char c : hexPair(static_cast<unsigned char>(s)))
            text += hexPair(static_cast<unsigned char>(c));
    }
    return text;
}

std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::chrono::system_clock::time_point localMoment(int year, int month, int day, int hour,
                                                  int minute, int second)
{
    std::tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

std::filesystem::path writeFile(const std::filesystem::path &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return path;
}

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path()
        / ("orvant-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace orvant::test
