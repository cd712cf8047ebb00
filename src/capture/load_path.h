#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvant {

// The folder text with a final separator added when it has none; nothing for an
// empty text (it has no last character to test).
std::optional<std::string> withTrailingSeparator(std::string_view folderText, char separator);

// The folder text (already ending in the separator) followed by the file name.
std::string fullCaptureName(std::string_view folderText, std::string_view fileName);

// Exactly ".log" at the end, letter case included.
bool endsWithLogExtension(std::string_view name);

// The extension warning's text: LF then CR between its two sentences.
std::string extensionWarningText();

} // namespace orvant
