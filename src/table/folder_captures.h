#pragma once

#include "table/summary_pool.h"

#include <string>
#include <vector>

namespace orvant {

// The files a folder holds as the file list shows them: regular files and links to
// them, not hidden, any extension, no subfolders, sorted by name without regard to
// (ASCII) letter case, then by their bytes.
std::vector<std::string> folderFileNames(const std::filesystem::path &folder);

// The captures the arguments name, in their order: a folder stands, in its place, for
// its files (the row's file is the folder joined with the name), anything else for
// itself as given.
std::vector<SummaryRequest> captureRequests(const std::vector<std::string> &arguments);

} // namespace orvant
