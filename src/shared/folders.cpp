#include "shared/folders.h"

#include <cstdlib>

namespace orvant {

Folders Folders::standard()
{
#ifdef _WIN32
    return Folders {"C:\\ORVANT"};
#else
    const char *home = std::getenv("HOME");
    return Folders {std::filesystem::path(home && *home ? home : "/") / "ORVANT"};
#endif
}

std::string Folders::initialPathText() const
{
    return pathText(outputFolder());
}

std::string pathText(const std::filesystem::path &path)
{
#ifdef _WIN32
    const auto u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
#else
    return path.native();
#endif
}

std::filesystem::path pathFromText(const std::string &text)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(text);
#endif
}

} // namespace orvant
