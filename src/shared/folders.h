#pragma once

#include "shared/system_file.h"

#include <filesystem>
#include <string>

namespace orvant {

// The fixed folders and files under the program's root folder.
struct Folders
{
    std::filesystem::path root;

    static Folders standard(); // C:\ORVANT on Windows, <home>/ORVANT elsewhere

    std::filesystem::path pathFolder() const { return root / "ORVANT 2. Path"; }
    std::filesystem::path pathFile() const { return pathFolder() / "txtPath.Text"; }
    std::filesystem::path exportFolder() const { return root / "ORVANT 4. Data"; }
    std::filesystem::path outputFolder() const { return root / "ORVANT Output"; }
    // The path text before the first activation replaces it.
    std::string initialPathText() const;
};

// The separator of every path rule on this system.
constexpr char kSeparator = kWindows ? '\\' : '/';

// A path in the system's encoding for file names, as text, and back.
std::string pathText(const std::filesystem::path &path);
std::filesystem::path pathFromText(const std::string &text);

// The same key for two file names that name one file: the name itself, or on
// Windows the name in upper case, beyond ASCII too.
std::string fileNameKey(const std::string &name);

} // namespace orvant
