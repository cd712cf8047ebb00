#include "shared/first_start.h"

#include <system_error>

namespace orvant {

namespace {

bool createFolder(const std::filesystem::path &folder)
{
    std::error_code error;
    return std::filesystem::create_directory(folder, error) && !error;
}

} // namespace

bool createMissingFolders(const Folders &folders)
{
    createFolder(folders.root);
    createFolder(folders.pathFolder());
    createFolder(folders.exportFolder());
    return createFolder(folders.outputFolder());
}

} // namespace orvant
