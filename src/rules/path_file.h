#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvant {

// The folder saved at the last "Exit Program": the first field of the path
// file. Nothing when the file is missing or unreadable, or its field is empty or
// longer than 4096 bytes.
std::optional<std::string> readPathFile(const std::filesystem::path &file);

// The path file's content for a path text: the text and CR LF, inside double
// quotes where a bare text would not read back whole. Nothing for a text that
// holds a double quote: it cannot be stored.
std::optional<std::string> pathFileContent(const std::string &pathText);

// Writes the path file aside and renames it into place, creating its folder
// when missing. Returns the reason of a failure.
std::optional<std::string> writePathFile(const std::filesystem::path &file,
                                         const std::string &pathText);

} // namespace orvant
