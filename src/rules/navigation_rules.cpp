#include "rules/navigation_rules.h"

#include "shared/folders.h"

#include <cctype>

namespace orvant {

namespace {

char upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool holds(const std::string &mountPoint, const std::string &path)
{
    if (path.compare(0, mountPoint.size(), mountPoint) != 0)
        return false;
    return mountPoint.ends_with('/') || path.size() == mountPoint.size()
        || path[mountPoint.size()] == '/';
}

bool isShare(const std::string &path)
{
    return path.starts_with("\\\\");
}

// "\\server\share\" of a path on a network share: the share's root stands in for its drive.
std::string shareRoot(const std::string &path)
{
    const std::size_t shareStart = path.find('\\', 2);
    const std::size_t shareEnd
        = shareStart == std::string::npos ? std::string::npos : path.find('\\', shareStart + 1);
    return shareEnd == std::string::npos ? path + '\\' : path.substr(0, shareEnd + 1);
}

std::string letterDriveText(const std::string &path)
{
    if (isShare(path))
        return shareRoot(path);
    return path.empty() ? std::string(":\\") : std::string(1, upper(path.front())) + ":\\";
}

} // namespace

PathStyle PathStyle::native()
{
    return {kSeparator, kWindows};
}

std::string mountPointOf(const std::string &path, const std::vector<std::string> &mountPoints)
{
    std::string best = "/";
    for (const auto &mountPoint : mountPoints) {
        if (mountPoint.size() > best.size() && holds(mountPoint, path))
            best = mountPoint;
    }
    return best;
}

DriveAndPath activationDriveAndPath(const std::string &savedPath, const PathStyle &style,
                                    const std::vector<std::string> &mountPoints)
{
    if (!style.driveLetters)
        return {mountPointOf(savedPath, mountPoints), savedPath};
    std::string path = savedPath;
    if (!path.empty())
        path.front() = upper(path.front());
    return {letterDriveText(path), path};
}

DriveAndPath folderChangeDriveAndPath(const std::string &folderPath, const PathStyle &style,
                                      const std::vector<std::string> &mountPoints)
{
    std::string path = folderPath;
    if (style.driveLetters && !path.empty())
        path.front() = upper(path.front());
    if (path.empty() || path.back() != style.separator)
        path.push_back(style.separator);
    if (!style.driveLetters)
        return {mountPointOf(path, mountPoints), path};
    return {letterDriveText(path), path};
}

std::string existingFolderOnVolume(std::string visited, const std::string &mountPoint,
                                   char separator,
                                   const std::function<bool(const std::string &)> &isFolder)
{
    while (visited.size() > mountPoint.size() && visited.starts_with(mountPoint)) {
        if (isFolder(visited))
            return visited;
        // Up one folder; a final separator belongs to the folder it ends.
        const std::size_t cut = visited.find_last_of(separator, visited.size() - 2);
        if (cut == std::string::npos)
            break;
        visited.resize(cut + 1 > mountPoint.size() ? cut : cut + 1);
    }
    return mountPoint;
}

std::string driveTextOfDriveEntry(const std::string &entry, const PathStyle &style)
{
    if (!style.driveLetters)
        return entry;
    if (isShare(entry))
        return shareRoot(entry);
    std::string text = entry.substr(0, 2);
    for (char &c : text)
        c = upper(c);
    return text + "\\";
}

} // namespace orvant
