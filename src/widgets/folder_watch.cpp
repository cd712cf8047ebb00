#include "widgets/folder_watch.h"

#include "widgets/file_name_text.h"

#include <QStorageInfo>

#include <algorithm>
#include <array>

namespace orvant {

namespace {

constexpr int kPollMilliseconds = 1000;
// Many changes at once (a batch writing its files) give one look.
constexpr int kBurstMilliseconds = 50;

} // namespace

bool notifiesAllChanges(const std::string &folder)
{
    static constexpr std::array<const char *, 11> kNetworkTypes
        = {"nfs", "nfs4", "cifs",      "smb3",  "smbfs",     "9p",
           "afs", "ceph", "glusterfs", "davfs", "fuse.sshfs"};
    const QByteArray type = QStorageInfo(fileNameText(folder)).fileSystemType();
    return std::none_of(kNetworkTypes.begin(), kNetworkTypes.end(),
                        [&](const char *network) { return type == network; });
}

FolderWatch::FolderWatch(QObject *parent, Mode preferred)
    : QObject(parent)
    , preferred_(preferred)
{
    poll_.setInterval(kPollMilliseconds);
    burst_.setSingleShot(true);
    burst_.setInterval(kBurstMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &FolderWatch::mayHaveChanged);
    connect(&burst_, &QTimer::timeout, this, &FolderWatch::mayHaveChanged);
    connect(&notifier_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!burst_.isActive())
            burst_.start();
    });
}

void FolderWatch::watch(const std::string &folder)
{
    const QString path = fileNameText(folder);
    if (!notifier_.directories().isEmpty())
        notifier_.removePaths(notifier_.directories());
    const bool notified
        = preferred_ == Mode::Notify && notifiesAllChanges(folder) && notifier_.addPath(path);
    mode_ = notified ? Mode::Notify : Mode::Poll;
    if (notified)
        poll_.stop();
    else
        poll_.start();
}

} // namespace orvant
