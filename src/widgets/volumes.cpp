#include "widgets/volumes.h"

#include "widgets/file_name_text.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>
#include <array>

namespace orvant {

namespace {

bool isPseudo(const QStorageInfo &volume)
{
    static constexpr std::array<const char *, 12> kPseudoTypes
        = {"proc",  "sysfs",      "devtmpfs", "devpts",  "cgroup", "cgroup2",
           "tmpfs", "securityfs", "debugfs",  "tracefs", "mqueue", "autofs"};
    const QByteArray type = volume.fileSystemType();
    if (std::any_of(kPseudoTypes.begin(), kPseudoTypes.end(),
                    [&](const char *pseudo) { return type == pseudo; }))
        return true;
    const QString root = volume.rootPath();
    return root.startsWith(QLatin1String("/proc")) || root.startsWith(QLatin1String("/sys"))
        || root.startsWith(QLatin1String("/dev"));
}

} // namespace

std::vector<std::string> mountedVolumes()
{
    std::vector<std::string> mountPoints {"/"};
    if (kWindows)
        mountPoints.clear(); // drive letters only
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isPseudo(volume))
            continue;
        const std::string root = fileNameBytes(QDir::toNativeSeparators(volume.rootPath()));
        if (std::find(mountPoints.begin(), mountPoints.end(), root) == mountPoints.end())
            mountPoints.push_back(root);
    }
    std::sort(mountPoints.begin(), mountPoints.end());
    return mountPoints;
}

} // namespace orvant
