#include "capture_builder.h"

#include <fstream>
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
