#pragma once

#include <filesystem>

namespace orvant {

// Copies the sample captures shipped inside the program into a folder, leaving
// any file of the same name alone. Returns how many were written.
int installSampleCaptures(const std::filesystem::path &folder);

} // namespace orvant
