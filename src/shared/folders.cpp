#include "shared/folders.h"

#include <cstdlib>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace orvant {

#ifdef _WIN32
namespace {

// UTF-8 and UTF-16 through the system, which puts U+FFFD for what does not
// convert where the library's conversion throws: a bad byte in a path text (a
// path file saved in an ANSI code page, say) names no file instead of ending
// the program.
std::wstring utf16(const std::string &text)
{
    const int size = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(n));
    return wide;
}

std::string utf8(const std::wstring &wide)
{
    const int size = static_cast<int>(wide.size());
    const int n
        = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), n, nullptr, nullptr);
    return text;
}

} // namespace
#endif

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
    return utf8(path.native());
#else
    return path.native();
#endif
}

std::filesystem::path pathFromText(const std::string &text)
{
#ifdef _WIN32
    return std::filesystem::path(utf16(text));
#else
    return std::filesystem::path(text);
#endif
}

std::string fileNameKey(const std::string &name)
{
#ifdef _WIN32
    std::wstring wide = utf16(name);
    ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
    return utf8(wide);
#else
    return name;
#endif
}

} // namespace orvant
