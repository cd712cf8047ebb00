#pragma once

#include "shared/system_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

// Writes content to a temporary file beside target and renames it over target
// only when every byte is on disk, so no reader ever sees a half-written file.
// A new file gets the mode the umask allows, an existing one keeps its mode, and
// a symbolic link is written through to the file it names. Returns the reason of
// a failure (nothing is left behind then), or nothing.
std::optional<std::string> writeFileAtomically(const std::filesystem::path &target,
                                               std::string_view content);

// What the name of a temporary file holds between the final name and its six
// random characters: ".<final name>.orvant-aside-XXXXXX".
constexpr std::string_view kAsideMarker = ".orvant-aside-";

// True when fileName is the temporary name of a file written aside whose final
// name ends in finalSuffix.
bool isAsideName(std::string_view fileName, std::string_view finalSuffix);

// One file written aside: created beside the file the target names (links
// followed) with the mode the target will have, and moved over it by place().
// Discarded (closed and removed) on destruction unless placed.
class AsideFile
{
public:
    AsideFile() = default;
    ~AsideFile();
    AsideFile(AsideFile &&other) noexcept;
    AsideFile &operator=(AsideFile &&other) noexcept;
    AsideFile(const AsideFile &) = delete;
    AsideFile &operator=(const AsideFile &) = delete;

    // Each returns the reason of a failure, or nothing.
    std::optional<std::string> create(const std::filesystem::path &target);
    std::optional<std::string> write(std::string_view content);
    std::optional<std::string> sync(); // data and mode on disk
    std::optional<std::string> close();
    // Renames the closed file over its target.
    std::optional<std::string> place();
    void discard();

    const FileDescriptor &handle() const { return file_; }
    const std::filesystem::path &target() const { return target_; }
    const std::filesystem::path &temp() const { return temp_; }

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    FileDescriptor file_;
};

} // namespace orvant
