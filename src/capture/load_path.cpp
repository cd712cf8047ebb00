#include "capture/load_path.h"

namespace orvant {

std::optional<std::string> withTrailingSeparator(std::string_view folderText, char separator)
{
    if (folderText.empty())
        return std::nullopt;
    std::string text(folderText);
    if (text.back() != separator)
        text.push_back(separator);
    return text;
}

std::string fullCaptureName(std::string_view folderText, std::string_view fileName)
{
    return std::string(folderText) + std::string(fileName);
}

bool endsWithLogExtension(std::string_view name)
{
    return name.ends_with(".log");
}

std::string extensionWarningText()
{
    return "The selected file can possibly not be processed, because it does not end with "
           "'.log'.\n\rPlease select a ORVANT LOG-file.";
}

} // namespace orvant
