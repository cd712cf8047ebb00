#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <string>

namespace orvant {

// Tells when the entries of a folder may have changed: through the file system's
// change notification, or by a look every second where there is none (network file
// systems, which report only their own machine's changes, or a watch refused).
class FolderWatch : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Notify, Poll };

    // Poll looks every second whatever the file system is.
    explicit FolderWatch(QObject *parent = nullptr, Mode preferred = Mode::Notify);

    // Watches `folder` (the file system's bytes) from now on, instead of the last one.
    void watch(const std::string &folder);
    Mode mode() const { return mode_; }

signals:
    void mayHaveChanged();

private:
    const Mode preferred_;
    Mode mode_ = Mode::Notify;
    QFileSystemWatcher notifier_;
    QTimer poll_;
    QTimer burst_;
};

// False on file systems whose change notification misses other machines' changes.
bool notifiesAllChanges(const std::string &folder);

} // namespace orvant
