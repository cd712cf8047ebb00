#include "rules/path_file.h"

#include "capture/capture_file.h"
#include "shared/atomic_file.h"

#include <system_error>

namespace orvant {

namespace {
constexpr std::size_t kLongestPathText = 4096;
}

std::optional<std::string> readPathFile(const std::filesystem::path &file)
{
    const CaptureField field = readCaptureField(file, kLongestPathText);
    // An empty field ("" or a first comma) names no folder, like an empty file.
    if (field.error || field.longer || field.text.empty())
        return std::nullopt;
    return field.text;
}

std::optional<std::string> pathFileContent(const std::string &pathText)
{
    if (pathText.find('"') != std::string::npos)
        return std::nullopt;
    const bool needsQuotes = pathText.find_first_of(",\r\n") != std::string::npos
        || (!pathText.empty() && (pathText.front() == ' ' || pathText.front() == '\t'));
    return (needsQuotes ? "\"" + pathText + "\"" : pathText) + "\r\n";
}

std::optional<std::string> writePathFile(const std::filesystem::path &file,
                                         const std::string &pathText)
{
    const auto content = pathFileContent(pathText);
    if (!content)
        return std::string("the folder name holds a double quote");
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return error.message();
    return writeFileAtomically(file, *content);
}

} // namespace orvant
