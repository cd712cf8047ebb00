#include "export/output_name.h"

#include <algorithm>

namespace orvant {

namespace {

bool endsWithLogInAnyCase(std::string_view name)
{
    constexpr std::string_view kLog = ".log";
    if (name.size() < kLog.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kLog.size());
    return std::equal(tail.begin(), tail.end(), kLog.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

} // namespace

std::string outputBaseName(std::string_view captureFileName)
{
    if (endsWithLogInAnyCase(captureFileName))
        captureFileName.remove_suffix(4);
    return std::string(captureFileName);
}

} // namespace orvant
