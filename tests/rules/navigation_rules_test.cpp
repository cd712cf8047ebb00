#include "rules/navigation_rules.h"
#include "shared/folders.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvant {
namespace {

const PathStyle kWindows {'\\', true};
const PathStyle kLinux {'/', false};
const std::vector<std::string> kMounts {"/", "/home", "/media/usb"};

TEST(NavigationRules, ActivationTakesDriveLetterOrVolume)
{
    const DriveAndPath windows = activationDriveAndPath("c:\\ORVANT\\ORVANT Output", kWindows, {});
    EXPECT_EQ(windows.pathText, "C:\\ORVANT\\ORVANT Output");
    EXPECT_EQ(windows.driveText, "C:\\");

    const DriveAndPath linux = activationDriveAndPath("/home/user/ORVANT Output", kLinux, kMounts);
    EXPECT_EQ(linux.pathText, "/home/user/ORVANT Output"); // nothing changes on a volume path
    EXPECT_EQ(linux.driveText, "/home");
}

TEST(NavigationRules, FolderChangeEndsPathInSeparator)
{
    EXPECT_EQ(folderChangeDriveAndPath("c:\\data", kWindows, {}).pathText, "C:\\data\\");
    EXPECT_EQ(folderChangeDriveAndPath("c:\\data", kWindows, {}).driveText, "C:\\");
    // The root folder of a drive already ends with the separator.
    EXPECT_EQ(folderChangeDriveAndPath("d:\\", kWindows, {}).pathText, "D:\\");

    const DriveAndPath usb = folderChangeDriveAndPath("/media/usb/logs", kLinux, kMounts);
    EXPECT_EQ(usb.pathText, "/media/usb/logs/");
    EXPECT_EQ(usb.driveText, "/media/usb");
    EXPECT_EQ(folderChangeDriveAndPath("/", kLinux, kMounts).pathText, "/");
}

TEST(NavigationRules, WindowsFoldersGivePathAndDriveTextsWithBackslashes)
{
    const struct
    {
        const char *folder;
        const char *pathText;
        const char *driveText;
    } cases[] = {
        {"C:\\data", "C:\\data\\", "C:\\"},
        {"C:\\", "C:\\", "C:\\"},
        {"d:\\Captures\\x", "D:\\Captures\\x\\", "D:\\"},
        {"\\\\server\\share\\dir", "\\\\server\\share\\dir\\", "\\\\server\\share\\"},
        {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share\\"},
    };
    for (const auto &c : cases) {
        const DriveAndPath changed = folderChangeDriveAndPath(c.folder, kWindows, {});
        EXPECT_EQ(changed.pathText, c.pathText) << c.folder;
        EXPECT_EQ(changed.driveText, c.driveText) << c.folder;
        // The path file holds the path text; an activation gives the same drive text.
        EXPECT_EQ(activationDriveAndPath(c.pathText, kWindows, {}).pathText, c.pathText);
        EXPECT_EQ(activationDriveAndPath(c.pathText, kWindows, {}).driveText, c.driveText);
        EXPECT_EQ(driveTextOfDriveEntry(c.driveText, kWindows), c.driveText);
    }
}

TEST(NavigationRules, NativeStyleIsThisSystems)
{
#ifdef _WIN32
    const PathStyle expected = kWindows;
    const Folders folders = Folders::standard();
    const DriveAndPath shown {"C:\\", "C:\\ORVANT\\ORVANT Output\\"};
#else
    const PathStyle expected = kLinux;
    const Folders folders {"/home/u/ORVANT"};
    const DriveAndPath shown {"/", "/home/u/ORVANT/ORVANT Output/"};
#endif
    const PathStyle native = PathStyle::native();
    EXPECT_EQ(native.separator, expected.separator);
    EXPECT_EQ(native.driveLetters, expected.driveLetters);
    EXPECT_EQ(kSeparator, expected.separator);
    // The first folder shown, from the fixed folders of this system.
    const DriveAndPath changed = folderChangeDriveAndPath(folders.initialPathText(), native, {});
    EXPECT_EQ(changed.driveText, shown.driveText);
    EXPECT_EQ(changed.pathText, shown.pathText);
}

TEST(NavigationRules, MountPointIsLongestWholeComponentPrefix)
{
    EXPECT_EQ(mountPointOf("/home/user", kMounts), "/home");
    EXPECT_EQ(mountPointOf("/homework/x", kMounts), "/"); // not a component boundary
    EXPECT_EQ(mountPointOf("/media/usb", kMounts), "/media/usb");
    EXPECT_EQ(mountPointOf("relative/path", kMounts), "/");
    EXPECT_EQ(mountPointOf("", {}), "/");
}

TEST(NavigationRules, DriveEntryText)
{
    EXPECT_EQ(driveTextOfDriveEntry("d: [DATA]", kWindows), "D:\\");
    EXPECT_EQ(driveTextOfDriveEntry("/media/usb", kLinux), "/media/usb");
}

TEST(NavigationRules, DeletedFolderGivesWayToTheNearestExistingOneAbove)
{
    const struct
    {
        const char *visited;
        const char *mountPoint;
        char separator;
        std::vector<std::string> existing;
        const char *opened;
    } cases[] = {
        {"/v/a/b", "/v", '/', {"/v/a"}, "/v/a"},
        {"/v/a/b/", "/v", '/', {"/v/a/b/"}, "/v/a/b/"},
        {"/v/a/b/", "/v", '/', {"/v/a"}, "/v/a"},
        {"/v/a/b", "/v", '/', {}, "/v"},
        {"/a/b", "/", '/', {"/a"}, "/a"},
        {"/a/b", "/", '/', {}, "/"},
        {"/elsewhere/a", "/v", '/', {"/elsewhere/a"}, "/v"},
        {"C:\\data\\old", "C:\\", '\\', {"C:\\data"}, "C:\\data"},
        {"C:\\data\\old", "C:\\", '\\', {}, "C:\\"},
    };
    for (const auto &c : cases) {
        const auto isFolder = [&](const std::string &path) {
            return std::find(c.existing.begin(), c.existing.end(), path) != c.existing.end();
        };
        EXPECT_EQ(existingFolderOnVolume(c.visited, c.mountPoint, c.separator, isFolder), c.opened)
            << c.visited;
    }
}

} // namespace
} // namespace orvant
