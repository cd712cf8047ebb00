#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace orvant::test {

// The names of a folder's entries, sorted.
std::vector<std::string> namesIn(const std::filesystem::path &folder);

// The paths of a folder's entries, in the order the system lists them.
std::vector<std::filesystem::path> filesIn(const std::filesystem::path &folder);

// How many entries a folder holds.
std::size_t entriesIn(const std::filesystem::path &folder);

} // namespace orvant::test
