#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

// Writes content to a temporary file beside target and renames it over target
// only when every byte is on disk, so no reader ever sees a half-written file.
// Returns the reason of a failure (nothing is left behind then), or nothing.
std::optional<std::string> writeFileAtomically(const std::filesystem::path &target,
                                               std::string_view content);

} // namespace orvant
