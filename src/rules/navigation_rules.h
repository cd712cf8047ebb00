#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvant {

// How a system writes paths: drive letters and "\" on Windows; volumes named
// by their mount points and "/" elsewhere.
struct PathStyle
{
    char separator = '/';
    bool driveLetters = false;

    static PathStyle native();
};

struct DriveAndPath
{
    std::string driveText;
    std::string pathText;
};

// The mount point among `mountPoints` that holds `path` (the longest one that
// is a whole-component prefix of it); "/" when none is found.
std::string mountPointOf(const std::string &path, const std::vector<std::string> &mountPoints);

// Activation: the path text read from the path file and the drive text it gives.
// With drive letters the first character becomes the upper-case drive letter.
DriveAndPath activationDriveAndPath(const std::string &savedPath, const PathStyle &style,
                                    const std::vector<std::string> &mountPoints);

// Folder change: the folder list's path, ending in the separator, and its drive.
DriveAndPath folderChangeDriveAndPath(const std::string &folderPath, const PathStyle &style,
                                      const std::vector<std::string> &mountPoints);

// Drive change: the folder to open on the volume at `mountPoint`, whose last
// visited folder is `visited`. A folder deleted since the visit gives way to the
// nearest existing folder above it, down to the mount point itself.
std::string existingFolderOnVolume(std::string visited, const std::string &mountPoint,
                                   char separator,
                                   const std::function<bool(const std::string &)> &isFolder);

// Drive change: the drive text for an entry of the drive list (a drive letter's
// entry may carry a volume name after it).
std::string driveTextOfDriveEntry(const std::string &entry, const PathStyle &style);

} // namespace orvant
